#include "BedEditSystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void TBedEditSystemClipboard::SetText(const std::string& text, TBedSelectionMode mode) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) throw EBedEditError("Clipboard copy operation failed");
    const std::u32string unicode = bedclip::ToUnicode(text);
    auto* data = new QMimeData;
    data->setText(QString::fromUcs4(unicode.data(), qsizetype(unicode.size())));
    const std::string block = bedclip::EncodeBlock(text, mode);
    data->setData(kBlockMimeType, QByteArray(block.data(), qsizetype(block.size())));
    clipboard->setMimeData(data);
}

std::optional<TBedClipboardText> TBedEditSystemClipboard::GetText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) throw EBedEditError("Clipboard paste operation failed.");
    const QMimeData* data = clipboard->mimeData();
    if (!data) return std::nullopt;
    if (data->hasFormat(kBlockMimeType)) {
        const QByteArray block = data->data(kBlockMimeType);
        return bedclip::DecodeBlock(std::string(block.constData(), size_t(block.size())));
    }
    if (!data->hasText()) return std::nullopt;
    const QList<uint> ucs4 = data->text().toUcs4();
    TBedClipboardText result;
    result.text = bedclip::FromUnicode(std::u32string(ucs4.begin(), ucs4.end()), result.lossy);
    return result;
}
