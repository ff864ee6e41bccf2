#include "QtAssociationHost.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

std::string TQtAssociationHost::KnownMimeType(const std::string& extension) {
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile("x" + QString::fromStdString(extension), QMimeDatabase::MatchExtension);
    return type.isDefault() ? std::string() : type.name().toStdString();
}

std::string TQtAssociationHost::RunTool(const std::string& tool, const std::vector<std::string>& arguments) {
    // The caches these tools rebuild only speed up look-ups; a system without them still works.
    const QString program = QStandardPaths::findExecutable(QString::fromStdString(tool));
    if (program.isEmpty()) return {};
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return "Program " + tool + " neskončil včas.";
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return {};
    const QString detail = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return "Program " + tool + " skončil s chybou" + (detail.isEmpty() ? "" : ": " + detail.toStdString()) + ".";
}
