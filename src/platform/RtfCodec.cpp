#include "platform/RtfCodec.h"

#include <QColor>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>

namespace dorvani::rtf {

namespace {

// Indents and spacing: QTextDocument counts in pixels of a 96-dpi screen, RTF in twips
// (1/1440 inch), so one pixel is 15 twips.
constexpr double TwipsPerPixel = 15.0;
constexpr int MaxDepth = 256;
constexpr int MaxTabs = 64; // tab stops kept for one paragraph
constexpr int DefaultCodePage = 1253;

// ---------------------------------------------------------------------------------------
// Code pages

// The code page of a \fcharset value; 0 when the document's own code page applies.
int codePageOfCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;   // ANSI
    case 161: return 1253; // Greek
    case 162: return 1254; // Turkish
    case 163: return 1258; // Vietnamese
    case 177: return 1255; // Hebrew
    case 178: return 1256; // Arabic
    case 186: return 1257; // Baltic
    case 204: return 1251; // Cyrillic
    case 222: return 874;  // Thai
    case 238: return 1250; // Central European
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    default: return 0; // 1 (default), 2 (symbol) and the rest
    }
}

QByteArray codecName(int codePage)
{
    if (codePage >= 1250 && codePage <= 1258)
        return "windows-" + QByteArray::number(codePage);
    switch (codePage) {
    case 874: return "windows-874";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    default: return {};
    }
}

class Decoders {
public:
    QString decode(int codePage, const QByteArray &bytes)
    {
        QStringDecoder *dec = decoder(codePage);
        if (!dec)
            dec = decoder(DefaultCodePage);
        if (!dec)
            return QString::fromLatin1(bytes);
        return dec->decode(bytes);
    }

private:
    QStringDecoder *decoder(int codePage)
    {
        auto it = m_decoders.find(codePage);
        if (it == m_decoders.end()) {
            std::unique_ptr<QStringDecoder> dec;
            const QByteArray name = codecName(codePage);
            if (!name.isEmpty()) {
                dec = std::make_unique<QStringDecoder>(name.constData(), QStringConverter::Flag::Stateless);
                if (!dec->isValid())
                    dec.reset();
            }
            it = m_decoders.emplace(codePage, std::move(dec)).first;
        }
        return it->second.get();
    }

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

// ---------------------------------------------------------------------------------------
// Reading

enum class Dest { Text, FontTable, ColorTable, Skip };

struct CharProps {
    bool bold = false, italic = false, underline = false, strike = false;
    int script = 0; // 1 superscript, -1 subscript
    int font = -1;  // font number, -1 for the default font
    int halfPoints = 24;
    int color = 0; // 0: automatic
    bool operator==(const CharProps &) const = default;
};

struct ParaProps {
    int align = 0; // 0 left, 1 centre, 2 right, 3 justified
    int li = 0, ri = 0, fi = 0, sb = 0, sa = 0; // twips
    QList<QTextOption::Tab> tabs; // positions in pixels
    QTextOption::TabType nextTab = QTextOption::LeftTab; // the kind of the next \tx
};

struct GroupState {
    Dest dest = Dest::Text;
    CharProps chr;
    ParaProps para;
    int uc = 1;
    bool starred = false; // the group began with \*
    bool first = true;    // no control word seen yet in the group
};

struct FontDef {
    QString name;
    int charset = -1;
};

// Destinations whose content is not part of the text.
bool isIgnorableDestination(const QByteArray &w)
{
    static const QList<QByteArray> words = {
        "info", "stylesheet", "pict", "header", "headerl", "headerr", "headerf", "footer", "footerl",
        "footerr", "footerf", "footnote", "annotation", "object", "fldinst", "themedata",
        "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "listtable", "listoverridetable",
        "rsidtbl", "generator", "filetbl", "revtbl", "pgdsctbl", "private", "nonshppict", "falt", "panose",
        "bkmkstart", "bkmkend", "atnid", "atnauthor", "author", "operator", "title", "subject", "company",
        "keywords", "doccomm", "comment", "xe", "tc", "txe", "blipuid", "mmathPr", "template", "docvar",
        "userprops", "fchars", "lchars", "pn", "pnseclvl", "shpinst", "sp", "sn", "sv", "background",
        "bkmkend", "objdata", "result_pict", "wgrffmtfilter", "passwordhash", "protusertbl", "ftnsep",
        "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "buptim", "creatim", "revtim", "printim",
        "hlinkbase", "manager", "category", "nextfile", "listpicture", "expandedcolortbl", "defchp",
        "defpap", "mhtmltag", "htmltag", "fontemb", "fontfile", "ud"};
    return words.contains(w);
}

class Reader {
public:
    Reader(const QByteArray &data, QTextDocument &doc) : m_data(data), m_cursor(&doc) {}

    void run()
    {
        const int n = int(m_data.size());
        int i = 0;
        // Up to and including the opening brace of the root group.
        while (i < n && m_data[i] != '{')
            ++i;
        if (i >= n)
            return;
        ++i;
        m_stack.push_back(GroupState());

        while (i < n && !m_stack.empty()) {
            const char c = m_data[i];
            if (m_overflow > 0) {
                // Inside groups nested beyond the limit: only the braces count.
                if (c == '{')
                    ++m_overflow;
                else if (c == '}')
                    --m_overflow;
                else if (c == '\\' && i + 1 < n)
                    ++i; // an escaped brace does not count
                ++i;
                continue;
            }
            switch (c) {
            case '{':
                flushBytes();
                m_skipChars = 0;
                if (int(m_stack.size()) >= MaxDepth) {
                    m_overflow = 1;
                } else {
                    GroupState g = m_stack.back();
                    g.starred = false;
                    g.first = true;
                    m_stack.push_back(g);
                }
                ++i;
                break;
            case '}':
                flushBytes();
                m_skipChars = 0;
                endGroup();
                ++i;
                break;
            case '\\':
                i = controlWord(i + 1);
                break;
            case '\r':
            case '\n':
                ++i;
                break;
            case '\t':
                charControl(QStringLiteral("\t"));
                ++i;
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == 0)
                    textByte(c);
                ++i;
                break;
            }
        }
        finish();
    }

private:
    GroupState &st() { return m_stack.back(); }

    // ---- groups

    void endGroup()
    {
        const GroupState closed = m_stack.back();
        if (closed.dest == Dest::FontTable)
            commitFont();
        if (m_stack.size() == 1)
            m_lastRoot = closed;
        m_stack.pop_back();
        if (closed.dest == Dest::ColorTable && (m_stack.empty() || m_stack.back().dest != Dest::ColorTable))
            m_colorPending = false;
    }

    // ---- control words

    // Reads the control word or symbol after a backslash at i; returns the index after it.
    int controlWord(int i)
    {
        const int n = int(m_data.size());
        if (i >= n)
            return n;
        const char c = m_data[i];
        if (!isAsciiLetter(c))
            return controlSymbol(i);

        const int start = i;
        while (i < n && isAsciiLetter(m_data[i]) && i - start < 32)
            ++i;
        const QByteArray word = m_data.mid(start, i - start);
        while (i < n && isAsciiLetter(m_data[i])) // an absurdly long word: the rest is dropped
            ++i;
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (i < n && m_data[i] == '-' && i + 1 < n && isDigit(m_data[i + 1])) {
            negative = true;
            ++i;
        }
        int digits = 0;
        while (i < n && isDigit(m_data[i])) {
            if (digits < 10)
                param = param * 10 + (m_data[i] - '0');
            ++digits;
            hasParam = true;
            ++i;
        }
        if (negative)
            param = -param;
        param = std::clamp<long long>(param, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        if (i < n && m_data[i] == ' ')
            ++i;

        if (word == "bin") {
            // Binary data: skipped whole, and counts as one character after \u.
            flushBytes();
            const long long len = hasParam && param > 0 ? param : 0;
            i = int(std::min<long long>(n, i + len));
            if (m_skipChars > 0)
                --m_skipChars;
            st().first = false;
            return i;
        }
        handleWord(word, hasParam, int(param));
        return i;
    }

    int controlSymbol(int i)
    {
        const int n = int(m_data.size());
        const char c = m_data[i];
        switch (c) {
        case '\\':
        case '{':
        case '}':
            textByte(c);
            return i + 1;
        case '\'': {
            if (i + 2 < n) {
                const int hi = hexValue(m_data[i + 1]);
                const int lo = hexValue(m_data[i + 2]);
                if (hi >= 0 && lo >= 0) {
                    textByte(char(hi * 16 + lo));
                    return i + 3;
                }
            }
            // A broken \' escape: dropped.
            return std::min(n, i + 1);
        }
        case '*':
            st().starred = true;
            return i + 1;
        case '~':
            charControl(QString(QChar(QChar::Nbsp)));
            return i + 1;
        case '_':
            charControl(QString(QChar(0x2011)));
            return i + 1;
        case '-':
            charControl(QString(QChar(QChar::SoftHyphen)));
            return i + 1;
        case '\r':
        case '\n':
            flushBytes();
            if (m_skipChars > 0) {
                --m_skipChars;
            } else if (st().dest == Dest::Text) {
                paragraph();
            }
            return i + 1;
        default:
            // \| \: and anything else: ignored, but they count after \u.
            flushBytes();
            if (m_skipChars > 0)
                --m_skipChars;
            return i + 1;
        }
    }

    void handleWord(const QByteArray &w, bool hasParam, int p)
    {
        // Text read so far has the properties in force before this word.
        flushBytes();
        GroupState &g = st();
        const bool firstInGroup = g.first;
        g.first = false;

        if (g.dest == Dest::Skip)
            return;

        // Destinations.
        if (firstInGroup || g.starred) {
            const bool starred = g.starred;
            g.starred = false;
            if (w == "fonttbl") {
                flushBytes();
                g.dest = Dest::FontTable;
                return;
            }
            if (w == "colortbl") {
                flushBytes();
                g.dest = Dest::ColorTable;
                m_colorPending = false;
                m_red = m_green = m_blue = 0;
                return;
            }
            if (starred || isIgnorableDestination(w)) {
                flushBytes();
                g.dest = Dest::Skip;
                return;
            }
        }

        if (g.dest == Dest::FontTable) {
            if (w == "f") {
                commitFont();
                m_fontNumber = hasParam ? p : 0;
                m_fontCharset = -1;
                m_fontName.clear();
                m_fontOpen = true;
            } else if (w == "fcharset") {
                m_fontCharset = p;
            } else if (w == "u") {
                m_fontName += decodedFontBytes();
                m_fontName += QString(QChar(char16_t(p < 0 ? p + 65536 : p)));
            }
            return;
        }
        if (g.dest == Dest::ColorTable) {
            if (w == "red") {
                m_red = std::clamp(p, 0, 255);
                m_colorPending = true;
            } else if (w == "green") {
                m_green = std::clamp(p, 0, 255);
                m_colorPending = true;
            } else if (w == "blue") {
                m_blue = std::clamp(p, 0, 255);
                m_colorPending = true;
            }
            return;
        }

        // Text.
        if (w == "u") {
            flushBytes();
            if (m_skipChars > 0) {
                --m_skipChars;
                return;
            }
            const int code = (p < 0 ? p + 65536 : p) & 0xffff;
            if (code != 0)
                appendText(QString(QChar(char16_t(code))));
            m_skipChars = std::max(0, g.uc);
            return;
        }
        if (m_skipChars > 0) {
            flushBytes();
            --m_skipChars;
            return;
        }

        CharProps &c = g.chr;
        ParaProps &pp = g.para;
        const bool on = !hasParam || p != 0;
        if (w == "par" || w == "sect" || w == "page" || w == "row") {
            flushBytes();
            paragraph();
        } else if (w == "line") {
            charControl(QString(QChar(QChar::LineSeparator)));
        } else if (w == "tab" || w == "cell") {
            charControl(QStringLiteral("\t"));
        } else if (w == "emdash") {
            charControl(QString(QChar(0x2014)));
        } else if (w == "endash") {
            charControl(QString(QChar(0x2013)));
        } else if (w == "emspace") {
            charControl(QString(QChar(0x2003)));
        } else if (w == "enspace") {
            charControl(QString(QChar(0x2002)));
        } else if (w == "bullet") {
            charControl(QString(QChar(0x2022)));
        } else if (w == "lquote") {
            charControl(QString(QChar(0x2018)));
        } else if (w == "rquote") {
            charControl(QString(QChar(0x2019)));
        } else if (w == "ldblquote") {
            charControl(QString(QChar(0x201C)));
        } else if (w == "rdblquote") {
            charControl(QString(QChar(0x201D)));
        } else if (w == "uc") {
            g.uc = std::clamp(p, 0, 10);
        } else if (w == "ansicpg") {
            flushBytes();
            if (!codecName(p).isEmpty())
                m_codePage = p;
        } else if (w == "pc") {
            flushBytes();
            m_codePage = 437;
        } else if (w == "pca") {
            flushBytes();
            m_codePage = 850;
        } else if (w == "mac") {
            flushBytes();
            m_codePage = 10000;
        } else if (w == "deff") {
            m_defaultFont = p;
        } else if (w == "plain") {
            flushBytes();
            c = CharProps();
        } else if (w == "pard") {
            pp = ParaProps();
        } else if (w == "b") {
            c.bold = on;
        } else if (w == "i") {
            c.italic = on;
        } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth"
                   || w == "uldashd" || w == "uldashdd" || w == "ulwave") {
            c.underline = on;
        } else if (w == "ulnone") {
            c.underline = false;
        } else if (w == "strike") {
            c.strike = on;
        } else if (w == "super") {
            c.script = 1;
        } else if (w == "sub") {
            c.script = -1;
        } else if (w == "nosupersub") {
            c.script = 0;
        } else if (w == "f") {
            flushBytes();
            c.font = hasParam ? p : -1;
        } else if (w == "fs") {
            if (hasParam && p > 0)
                c.halfPoints = std::min(p, 3276);
        } else if (w == "cf") {
            c.color = std::max(0, p);
        } else if (w == "ql") {
            pp.align = 0;
        } else if (w == "qc") {
            pp.align = 1;
        } else if (w == "qr") {
            pp.align = 2;
        } else if (w == "qj") {
            pp.align = 3;
        } else if (w == "li") {
            pp.li = clampTwips(p);
        } else if (w == "ri") {
            pp.ri = clampTwips(p);
        } else if (w == "fi") {
            pp.fi = clampTwips(p);
        } else if (w == "sb") {
            pp.sb = std::max(0, clampTwips(p));
        } else if (w == "sa") {
            pp.sa = std::max(0, clampTwips(p));
        } else if (w == "tqr") {
            pp.nextTab = QTextOption::RightTab;
        } else if (w == "tqc") {
            pp.nextTab = QTextOption::CenterTab;
        } else if (w == "tqdec") {
            pp.nextTab = QTextOption::DelimiterTab;
        } else if (w == "tx" || w == "tb") {
            if (pp.tabs.size() < MaxTabs) {
                QTextOption::Tab tab(std::max(0, clampTwips(p)) / TwipsPerPixel, pp.nextTab);
                if (pp.nextTab == QTextOption::DelimiterTab)
                    tab.delimiter = QLatin1Char('.');
                pp.tabs << tab;
            }
            pp.nextTab = QTextOption::LeftTab;
        }
        // Anything else is ignored.
    }

    static int clampTwips(int v) { return std::clamp(v, -31680, 31680); } // 22 inches

    // ---- text

    void textByte(char c)
    {
        GroupState &g = st();
        g.first = false;
        if (g.dest == Dest::Skip)
            return;
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        if (g.dest == Dest::FontTable) {
            if (c == ';') {
                commitFont();
            } else {
                m_fontNameBytes += c;
            }
            return;
        }
        if (g.dest == Dest::ColorTable) {
            if (c == ';') {
                m_colors << (m_colorPending ? QColor(m_red, m_green, m_blue) : QColor());
                m_colorPending = false;
                m_red = m_green = m_blue = 0;
            }
            return;
        }
        if (c == 0)
            return;
        const int cp = codePageOf(g.chr.font);
        if (!m_bytes.isEmpty() && cp != m_bytesCodePage)
            flushBytes();
        m_bytesCodePage = cp;
        m_bytes += c;
    }

    // A control word standing for a character (\tab, \line, \~ ...).
    void charControl(const QString &s)
    {
        flushBytes();
        GroupState &g = st();
        g.first = false;
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        if (g.dest == Dest::Text)
            appendText(s);
    }

    int codePageOf(int fontNumber) const
    {
        const int number = fontNumber >= 0 ? fontNumber : m_defaultFont;
        const auto it = m_fonts.constFind(number);
        if (it != m_fonts.cend()) {
            const int cp = codePageOfCharset(it->charset);
            if (cp)
                return cp;
        }
        return m_codePage;
    }

    void flushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        const QString s = m_decoders.decode(m_bytesCodePage, m_bytes);
        m_bytes.clear();
        appendText(s);
    }

    void appendText(const QString &s)
    {
        if (s.isEmpty())
            return;
        const CharProps &c = st().chr;
        if (!m_run.isEmpty() && !(c == m_runProps))
            flushRun();
        if (m_run.isEmpty())
            m_runProps = c;
        if (m_newBlockPending) {
            m_cursor.insertBlock();
            m_newBlockPending = false;
        }
        m_run += s;
    }

    void flushRun()
    {
        if (m_run.isEmpty())
            return;
        m_cursor.insertText(m_run, charFormat(m_runProps));
        m_run.clear();
    }

    QTextCharFormat charFormat(const CharProps &c) const
    {
        QTextCharFormat f;
        f.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(c.italic);
        f.setFontUnderline(c.underline);
        if (c.strike)
            f.setFontStrikeOut(true);
        if (c.script)
            f.setVerticalAlignment(c.script > 0 ? QTextCharFormat::AlignSuperScript
                                                : QTextCharFormat::AlignSubScript);
        const int number = c.font >= 0 ? c.font : m_defaultFont;
        const auto it = m_fonts.constFind(number);
        if (it != m_fonts.cend() && !it->name.isEmpty())
            f.setFontFamilies(QStringList{it->name});
        f.setFontPointSize(c.halfPoints / 2.0);
        if (c.color > 0 && c.color < m_colors.size() && m_colors[c.color].isValid())
            f.setForeground(m_colors[c.color]);
        return f;
    }

    QTextBlockFormat blockFormat(const ParaProps &p) const
    {
        QTextBlockFormat f;
        static const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
        f.setAlignment(aligns[std::clamp(p.align, 0, 3)]);
        f.setLeftMargin(p.li / TwipsPerPixel);
        f.setRightMargin(p.ri / TwipsPerPixel);
        f.setTextIndent(p.fi / TwipsPerPixel);
        f.setTopMargin(p.sb / TwipsPerPixel);
        f.setBottomMargin(p.sa / TwipsPerPixel);
        if (!p.tabs.isEmpty())
            f.setTabPositions(p.tabs);
        return f;
    }

    // ---- paragraphs

    // The end of a paragraph: the properties in force now are those of the paragraph it
    // ends. The next block is made only when something follows, so that the customary
    // \par after the last paragraph does not add an empty one.
    void paragraph()
    {
        flushRun();
        if (m_newBlockPending)
            m_cursor.insertBlock();
        m_cursor.setBlockFormat(blockFormat(st().para));
        if (m_cursor.block().length() <= 1)
            m_cursor.setBlockCharFormat(charFormat(st().chr));
        m_newBlockPending = true;
    }

    void finish()
    {
        if (m_stack.empty()) {
            // The root group closed; the state at its end is gone, so the last paragraph
            // keeps the properties in force inside it.
            m_stack.push_back(m_lastRoot);
        }
        flushBytes();
        flushRun();
        if (!m_newBlockPending)
            m_cursor.setBlockFormat(blockFormat(st().para));
    }

    // ---- font table

    void commitFont()
    {
        if (!m_fontOpen && m_fontNameBytes.isEmpty())
            return;
        FontDef def;
        def.charset = m_fontCharset;
        def.name = (m_fontName + decodedFontBytes()).trimmed();
        if (m_fontOpen)
            m_fonts.insert(m_fontNumber, def);
        m_fontOpen = false;
        m_fontNameBytes.clear();
        m_fontName.clear();
        m_fontCharset = -1;
    }

    QString decodedFontBytes()
    {
        int cp = codePageOfCharset(m_fontCharset);
        if (!cp)
            cp = m_codePage;
        const QString s = m_fontNameBytes.isEmpty() ? QString() : m_decoders.decode(cp, m_fontNameBytes);
        m_fontNameBytes.clear();
        return s;
    }

    static bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    const QByteArray &m_data;
    QTextCursor m_cursor;
    std::vector<GroupState> m_stack;
    GroupState m_lastRoot;
    int m_overflow = 0;
    int m_skipChars = 0;
    int m_codePage = DefaultCodePage;
    int m_defaultFont = 0;
    Decoders m_decoders;

    QByteArray m_bytes;
    int m_bytesCodePage = DefaultCodePage;
    QString m_run;
    CharProps m_runProps;
    bool m_newBlockPending = false;

    QHash<int, FontDef> m_fonts;
    bool m_fontOpen = false;
    int m_fontNumber = 0;
    int m_fontCharset = -1;
    QByteArray m_fontNameBytes;
    QString m_fontName;

    QList<QColor> m_colors;
    bool m_colorPending = false;
    int m_red = 0, m_green = 0, m_blue = 0;
};

bool startsWithRtf(const QByteArray &data)
{
    int i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.mid(i, 5) == "{\\rtf";
}

void readPlainText(const QByteArray &data, QTextDocument &doc)
{
    QString text;
    QStringDecoder utf8(QStringConverter::Utf8);
    text = utf8.decode(data);
    if (utf8.hasError()) {
        Decoders d;
        text = d.decode(DefaultCodePage, data);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    doc.setPlainText(text);
}

// ---------------------------------------------------------------------------------------
// Writing

// Characters of code page 1253 above 127, and their bytes.
const QHash<char16_t, uchar> &cp1253Table()
{
    static const QHash<char16_t, uchar> table = [] {
        QHash<char16_t, uchar> t;
        QStringDecoder dec("windows-1253", QStringConverter::Flag::Stateless);
        if (!dec.isValid())
            return t;
        for (int b = 0x80; b <= 0xFF; ++b) {
            const QString s = dec.decode(QByteArray(1, char(b)));
            if (s.size() == 1 && s[0] != QChar::ReplacementCharacter && s[0].unicode() >= 0x80)
                t.insert(s[0].unicode(), uchar(b));
        }
        return t;
    }();
    return table;
}

void appendHex(QByteArray &out, uchar b)
{
    static const char hex[] = "0123456789abcdef";
    out += "\\'";
    out += hex[b >> 4];
    out += hex[b & 15];
}

// Text escaped for RTF: ASCII as is, Greek as \'hh, the rest as \uN?.
QByteArray escapeText(const QString &s)
{
    const auto &table = cp1253Table();
    QByteArray out;
    out.reserve(s.size() + 8);
    for (const QChar ch : s) {
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator || u == '\n' || u == QChar::ParagraphSeparator) {
            out += "\\line ";
        } else if (u == QChar::Nbsp) {
            out += "\\~";
        } else if (u == QChar::SoftHyphen) {
            out += "\\-";
        } else if (u == 0x2011) {
            out += "\\_";
        } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter || u == 0xFDD0 || u == 0xFDD1) {
            // control characters and embedded objects are not written
        } else if (u < 0x80) {
            out += char(u);
        } else if (const auto it = table.constFind(u); it != table.cend()) {
            appendHex(out, it.value());
        } else {
            out += "\\u" + QByteArray::number(u > 32767 ? int(u) - 65536 : int(u)) + '?';
        }
    }
    return out;
}

QString familyOf(const QFont &f)
{
    const QStringList families = f.families();
    return families.isEmpty() ? f.family() : families.first();
}

struct WriterTables {
    QStringList fonts;
    QList<QColor> colors; // index 0 is the automatic colour, not written

    int font(const QString &family)
    {
        int i = int(fonts.indexOf(family));
        if (i < 0) {
            fonts << family;
            i = int(fonts.size()) - 1;
        }
        return i;
    }
    int color(const QColor &c)
    {
        if (!c.isValid())
            return 0;
        const QColor rgb = c.toRgb();
        for (int i = 0; i < colors.size(); ++i)
            if (colors[i].rgb() == rgb.rgb())
                return i + 1;
        colors << rgb;
        return int(colors.size());
    }
};

QColor foregroundOf(const QTextCharFormat &f)
{
    if (!f.hasProperty(QTextFormat::ForegroundBrush))
        return {};
    const QBrush b = f.foreground();
    return b.style() == Qt::NoBrush ? QColor() : b.color();
}

QByteArray charProps(const QTextCharFormat &f, const QFont &defaultFont, WriterTables &t)
{
    const QFont font = f.font().resolve(defaultFont);
    QByteArray out = "\\plain\\f" + QByteArray::number(t.font(familyOf(font)));
    double pt = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : font.pointSizeF();
    if (pt <= 0 && font.pixelSize() > 0)
        pt = font.pixelSize() * 0.75; // pixels of a 96-dpi screen
    if (pt <= 0)
        pt = 12;
    out += "\\fs" + QByteArray::number(std::max(1, int(std::lround(pt * 2))));
    if (f.fontWeight() >= QFont::DemiBold)
        out += "\\b";
    if (f.fontItalic())
        out += "\\i";
    if (f.fontUnderline())
        out += "\\ul";
    if (f.fontStrikeOut())
        out += "\\strike";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        out += "\\super";
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        out += "\\sub";
    if (const int c = t.color(foregroundOf(f)))
        out += "\\cf" + QByteArray::number(c);
    out += ' ';
    return out;
}

QByteArray paraProps(const QTextBlockFormat &f)
{
    QByteArray out = "\\pard";
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignJustify)
        out += "\\qj";
    else if (a & Qt::AlignHCenter)
        out += "\\qc";
    else if ((a & Qt::AlignRight) || (a & Qt::AlignTrailing))
        out += "\\qr";
    else
        out += "\\ql";
    const auto twips = [](double px) { return QByteArray::number(int(std::lround(px * TwipsPerPixel))); };
    if (f.leftMargin() != 0)
        out += "\\li" + twips(f.leftMargin());
    if (f.rightMargin() != 0)
        out += "\\ri" + twips(f.rightMargin());
    if (f.textIndent() != 0)
        out += "\\fi" + twips(f.textIndent());
    if (f.topMargin() != 0)
        out += "\\sb" + twips(f.topMargin());
    if (f.bottomMargin() != 0)
        out += "\\sa" + twips(f.bottomMargin());
    for (const QTextOption::Tab &tab : f.tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            out += "\\tqr";
        else if (tab.type == QTextOption::CenterTab)
            out += "\\tqc";
        else if (tab.type == QTextOption::DelimiterTab)
            out += "\\tqdec";
        out += "\\tx" + twips(tab.position);
    }
    return out;
}

} // namespace

void read(const QByteArray &data, QTextDocument &doc)
{
    doc.clear();
    if (!startsWithRtf(data)) {
        readPlainText(data, doc);
        return;
    }
    Reader r(data, doc);
    r.run();
}

QByteArray write(const QTextDocument &doc)
{
    WriterTables tables;
    const QFont defaultFont = doc.defaultFont();
    tables.font(familyOf(defaultFont)); // \f0, the default font

    QByteArray body;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        body += paraProps(block.blockFormat());
        bool any = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.isValid() || frag.text().isEmpty())
                continue;
            const QByteArray text = escapeText(frag.text());
            if (text.isEmpty())
                continue;
            body += charProps(frag.charFormat(), defaultFont, tables);
            body += text;
            any = true;
        }
        if (!any)
            body += charProps(block.charFormat(), defaultFont, tables);
        body += "\\par\r\n";
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1253\\deff0\\uc1{\\fonttbl";
    for (int i = 0; i < tables.fonts.size(); ++i) {
        QString name = tables.fonts[i];
        name.remove(QChar(';'));
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset161 " + escapeText(name) + ";}";
    }
    out += "}\r\n{\\colortbl;";
    for (const QColor &c : tables.colors)
        out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue"
             + QByteArray::number(c.blue()) + ';';
    out += "}\r\n";
    out += body;
    out += "}\r\n";
    return out;
}

bool load(const QString &path, QTextDocument &doc)
{
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly)) {
        doc.clear();
        return false;
    }
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        doc.clear();
        return false;
    }
    read(data, doc);
    return true;
}

QString save(const QString &path, const QTextDocument &doc)
{
    const QByteArray data = write(doc);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return f.errorString();
    if (f.write(data) != data.size()) {
        const QString error = f.errorString();
        f.cancelWriting();
        return error;
    }
    if (!f.commit())
        return f.errorString();
    return {};
}

} // namespace dorvani::rtf
