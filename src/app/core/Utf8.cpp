#include "Utf8.h"

#include "BedTextCp1250.h"
#include "CodePages.h"
#include "BedTextLines.h"

#include <algorithm>
#include <cstdio>

namespace {

// The code point of the sequence at in[i], and its length; 0 when malformed there. `cutOff` is
// set when the bytes end inside a sequence that would otherwise be well formed.
int SequenceAt(std::string_view in, std::size_t i, char32_t& codePoint, bool* cutOff = nullptr) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(in[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    int length;
    char32_t min;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, min = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, min = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, min = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    for (int k = 1; k < length; ++k) {
        if (i + k >= in.size()) {
            if (cutOff) *cutOff = true;
            return 0;
        }
        const unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
        // Overlong forms, surrogates and values past U+10FFFF are refused at the first byte that
        // shows them, so a cut-off sample is judged as the whole file would be.
        if (k == 1) {
            if (length == 3 && ((lead == 0xE0 && next < 0xA0) || (lead == 0xED && next >= 0xA0))) return 0;
            if (length == 4 && ((lead == 0xF0 && next < 0x90) || (lead == 0xF4 && next >= 0x90))) return 0;
        }
    }
    return codePoint >= min ? length : 0;
}

char* PutCodePoint(char32_t u, char* p) {
    if (u < 0x80) {
        *p++ = char(u);
    } else if (u < 0x800) {
        *p++ = char(0xC0 | (u >> 6));
        *p++ = char(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        *p++ = char(0xE0 | (u >> 12));
        *p++ = char(0x80 | ((u >> 6) & 0x3F));
        *p++ = char(0x80 | (u & 0x3F));
    } else {
        *p++ = char(0xF0 | (u >> 18));
        *p++ = char(0x80 | ((u >> 12) & 0x3F));
        *p++ = char(0x80 | ((u >> 6) & 0x3F));
        *p++ = char(0x80 | (u & 0x3F));
    }
    return p;
}

int LineOf(std::string_view in, std::size_t offset) { return int(CountLines(in.data(), in.data() + offset + 1)); }

}  // namespace

namespace {

// Stops at the first misfit, or puts placeholders for all of them.
std::optional<TBedUtf8Misfit> Decode(std::string_view in, char* out, std::size_t& outSize, bool placeholders) {
    std::optional<TBedUtf8Misfit> first;
    std::size_t n = 0;
    for (std::size_t i = 0; i < in.size();) {
        const auto lead = static_cast<unsigned char>(in[i]);
        if (lead < 0x80) {  // the common case, without the general decoding
            out[n++] = char(lead);
            ++i;
            continue;
        }
        char32_t codePoint = 0;
        const int length = SequenceAt(in, i, codePoint);
        const int byte = length == 0 ? -1 : UnicodeToCp1250(codePoint);
        if (byte < 0) {
            if (!first) first = TBedUtf8Misfit{i, length == 0 ? lead : codePoint, length == 0, LineOf(in, i)};
            if (!placeholders) return first;
            out[n++] = kBedUtf8Placeholder;
            i += std::size_t(std::max(length, 1));
            continue;
        }
        out[n++] = char(byte);
        i += std::size_t(length);
    }
    outSize = n;
    return first;
}

}  // namespace

std::optional<TBedUtf8Misfit> DecodeUtf8(std::string_view in, char* out, std::size_t& outSize) {
    return Decode(in, out, outSize, false);
}

std::optional<TBedUtf8Misfit> DecodeUtf8WithPlaceholders(std::string_view in, char* out, std::size_t& outSize) {
    return Decode(in, out, outSize, true);
}

std::size_t EncodeUtf8(std::string_view cp1250, char* out) {
    char* p = out;
    for (const char c : cp1250) p = PutCodePoint(Cp1250ToUnicode(static_cast<unsigned char>(c)), p);
    return std::size_t(p - out);
}

std::size_t EncodeUtf8(std::string_view text, char* out, int textCodePage) {
    char* p = out;
    for (const char c : text) {
        const char32_t u = TextCharacter(textCodePage, static_cast<unsigned char>(c));
        p = PutCodePoint(u == kNoCharacter ? char32_t(kBedMisfitSubstitute) : u, p);
    }
    return std::size_t(p - out);
}

TBedUtf8Shape Utf8Shape(std::string_view in, bool truncatedTailOk) {
    TBedUtf8Shape shape;
    for (std::size_t i = 0; i < in.size();) {
        if (static_cast<unsigned char>(in[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t codePoint = 0;
        bool cutOff = false;
        const int length = SequenceAt(in, i, codePoint, &cutOff);
        if (length == 0) {
            shape.wellFormed = cutOff && truncatedTailOk;
            return shape;
        }
        shape.multiByte = true;
        i += std::size_t(length);
    }
    return shape;
}

std::string Utf8Of(char32_t codePoint) {
    char bytes[4];
    return std::string(bytes, PutCodePoint(codePoint, bytes));
}

std::string Utf8MisfitReason(const TBedUtf8Misfit& misfit) {
    const auto hex = [](unsigned value, int digits) {
        char text[16];
        std::snprintf(text, sizeof text, "%0*X", digits, value);
        return std::string(text);
    };
    const std::string line = " na řádku " + std::to_string(misfit.line);
    if (misfit.malformed)
        return "Soubor není platný text v UTF-8: chybný bajt 0x" + hex(unsigned(misfit.codePoint), 2) + line + ".";
    std::string text = "Znak ";
    // A control character would show as nothing: then only its code point.
    if (misfit.codePoint >= 0xA0) {
        text += "„" + Utf8Of(misfit.codePoint) + "“ ";
    }
    return text + "(U+" + hex(unsigned(misfit.codePoint), 4) + ")" + line + " se do kódování CP 1250 nevejde.";
}

std::string Utf8MisfitMessage(const TBedUtf8Misfit& misfit) {
    return Utf8MisfitReason(misfit) +
           " Soubor je zobrazen jen pro čtení, se značkou místo každého znaku, který se nevejde; "
           "z tohoto zobrazení ho uložit nelze.";
}
