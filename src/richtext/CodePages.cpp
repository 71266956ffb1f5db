#include "CodePages.h"

#include "CodePageTables.h"

#include <QStringDecoder>

#include <array>

namespace vorkast::rtf::detail {

int codePageForCharset(int charset, int ansiCodePage)
{
    switch (charset) {
    case 0:   // ANSI: the document's own ANSI code page
    case 1:   // default
        return ansiCodePage;
    case 2: return kSymbolCodePage;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 866;   // OEM: the DOS Cyrillic page of the machines these documents come from
    default: return ansiCodePage;
    }
}

namespace {

// Qt's name for a Windows code page that our tables do not cover.
QByteArray qtCodecName(int codePage)
{
    switch (codePage) {
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "EUC-KR";
    case 950: return "Big5";
    case 1361: return "x-johab";
    case 10000: return "macintosh";
    case 437: return "IBM437";
    case 850: return "IBM850";
    default: return "windows-" + QByteArray::number(codePage);
    }
}

} // namespace

ByteDecoder::ByteDecoder(int codePage)
    : m_codePage(codePage)
{
    if (codePage == kSymbolCodePage) {
        m_full = symbolTable();
        m_asciiCompatible = false;
        return;
    }
    m_high = highHalfTable(codePage);
    if (m_high)
        return;
    auto decoder = std::make_unique<QStringDecoder>(qtCodecName(codePage).constData());
    if (decoder->isValid()) {
        m_decoder = std::move(decoder);
    } else {
        m_codePage = kDefaultAnsiCodePage;
        m_high = highHalfTable(kDefaultAnsiCodePage);
    }
}

ByteDecoder::~ByteDecoder() = default;

void ByteDecoder::decode(unsigned char byte, QString &out)
{
    if (singleByte()) {
        out += QChar(map(byte));
    } else {
        const char c = static_cast<char>(byte);
        out += (*m_decoder)(QByteArrayView(&c, 1));
    }
}

ByteDecoder &DecoderCache::get(int codePage)
{
    auto &slot = m_decoders[codePage];
    if (!slot)
        slot = std::make_unique<ByteDecoder>(codePage);
    return *slot;
}

namespace {

struct ReverseCp1251 {
    std::array<unsigned char, 0x10000> bytes{};
    ReverseCp1251()
    {
        for (int i = 0; i < 0x80; ++i)
            bytes[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
        const char16_t *high = highHalfTable(1251);
        for (int i = 0; i < 0x80; ++i)
            if (high[i] != 0xFFFD)
                bytes[high[i]] = static_cast<unsigned char>(0x80 + i);
    }
};

const ReverseCp1251 kReverseCp1251;

} // namespace

unsigned char encodeCp1251(char16_t c)
{
    return kReverseCp1251.bytes[c];
}

} // namespace vorkast::rtf::detail
