#include "BedEditDrag.h"

#include "BedTextCp1250.h"

QString Cp1250TextToUnicode(const std::string& text) {
    QString s;
    s.reserve(qsizetype(text.size()));
    for (unsigned char c : text) s += QChar(Cp1250ToUnicode(c));
    return s;
}

bool UnicodeToCp1250Text(const QString& unicode, std::string& text) {
    std::string out;
    out.reserve(size_t(unicode.size()));
    for (const char32_t cp : unicode.toUcs4()) {
        const int b = UnicodeToCp1250(cp);
        if (b < 0) return false;
        out += char(b);
    }
    text = std::move(out);
    return true;
}

QMimeData* BlockMimeData(const std::string& text, TBedSelectionMode mode) {
    auto* data = new QMimeData;
    QByteArray block;
    block.append(char(mode));
    block.append(text.data(), qsizetype(text.size()));
    data->setData(kBedBlockMimeType, block);
    data->setText(Cp1250TextToUnicode(text));
    return data;
}

bool BlockFromMimeData(const QMimeData* data, std::string& text, TBedSelectionMode& mode) {
    const QByteArray block = data->data(kBedBlockMimeType);
    if (!block.isEmpty() && uchar(block[0]) <= smColumn) {
        mode = TBedSelectionMode(block[0]);
        text.assign(block.constData() + 1, size_t(block.size() - 1));
        return true;
    }
    mode = smNormal;
    return data->hasText() && UnicodeToCp1250Text(data->text(), text);
}
