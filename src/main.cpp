#include "QtUiServices.h"
#include "Unit1.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("bed");
    QStringList params = app.arguments();
    params.removeFirst();
    std::string programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString();
    if (programDir.empty() || programDir.back() != '/') programDir += '/';
    QtUiServices ui(nullptr);
    TForm1 form(ui, programDir, params);
    if (form.Terminated()) return 0;
    ui.SetParent(&form);
    form.show();
    return app.exec();
}
