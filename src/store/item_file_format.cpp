#include "store/item_file.h"

#include "store/cp932.h"
#include "store/storable_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// The quoted fields of a record line, in file order, with the names the user knows them by.
struct TextField {
    QString ItemRec::*member;
    const char16_t* label;
};
const TextField LeadingTexts[] = {
    {&ItemRec::ProgName, u"プログラム名"}, {&ItemRec::InitDir, u"初期化ディレクトリー"},
    {&ItemRec::IconFile, u"使用アイコン"}, {&ItemRec::CmdParam, u"ｺﾏﾝﾄﾞﾗｲﾝﾊﾟﾗﾒｰﾀｰ"},
    {&ItemRec::Title, u"タイトル"},
};
const TextField AssocExeField = {&ItemRec::AssocExe, u"関連付けプログラム"};

const char TrueWord[] = "#TRUE#";
const char FalseWord[] = "#FALSE#";

void appendNumber(QByteArray& out, int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end - digits);
}

class RecordWriter {
public:
    explicit RecordWriter(QByteArray& out) : out_(out) {}

    // False, with the refused field in error, when a text cannot be stored.
    bool write(int page, int slot, const ItemRec& r, QString& error)
    {
        appendNumber(out_, page);
        out_.append(',');
        appendNumber(out_, slot);
        for (const TextField& field : LeadingTexts) {
            if (!quoted(page, slot, r, field, error))
                return false;
        }
        out_.append(',');
        out_.append(r.IsDoc ? TrueWord : FalseWord);
        if (!quoted(page, slot, r, AssocExeField, error))
            return false;
        out_.append(',');
        appendNumber(out_, r.IconNo);
        out_.append(',');
        if (r.ItemColor)
            appendNumber(out_, *r.ItemColor);
        out_.append('\r');
        out_.append('\n');
        return true;
    }

private:
    bool quoted(int page, int slot, const ItemRec& r, const TextField& field, QString& error)
    {
        const QString& text = r.*field.member;
        out_.append(',');
        out_.append('"');
        // The same rule as canStoreText, in one pass with the encoding.
        if (!holdsNoQuoteOrLineBreak(text) || !cp932::encodeExactly(text, out_)) {
            error = QStringLiteral("ページ %1 のスロット %2 の「%3」に、データファイルに書けない"
                                   "文字（\"、改行、CP932 にない文字）があります。")
                        .arg(page)
                        .arg(slot)
                        .arg(QString::fromUtf16(field.label));
            return false;
        }
        out_.append('"');
        return true;
    }

    QByteArray& out_;
};

// The last text read for a field. Neighbouring items often repeat one (a folder, a viewer), and
// an item's icon file is usually its program.
struct RecentText {
    QByteArrayView raw;
    QString text;
};
struct RecentTexts {
    RecentText program; // ProgName and IconFile
    RecentText initDir;
    RecentText cmdParam;
    RecentText title;
    RecentText assocExe;
};

// Reads the fields of one line from left to right; every read fails once the line does not
// have the expected form. The line holds no CR (no field may contain one).
class LineReader {
public:
    LineReader(const char* begin, const char* end) : next_(begin), end_(end) {}

    bool atEnd() const { return next_ == end_; }

    bool comma()
    {
        if (atEnd() || *next_ != ',')
            return false;
        ++next_;
        return true;
    }

    // A decimal number with an optional minus sign, ending at a comma or the end of the line.
    bool number(int64_t min, int64_t max, int64_t& value)
    {
        const char* c = next_;
        const bool negative = c != end_ && *c == '-';
        if (negative)
            ++c;
        const char* const digits = c;
        int64_t magnitude = 0;
        for (; c != end_ && *c >= '0' && *c <= '9'; ++c) {
            if (c - digits == 10)
                return false; // beyond any 32-bit number
            magnitude = magnitude * 10 + (*c - '0');
        }
        if (c == digits || (c != end_ && *c != ','))
            return false;
        value = negative ? -magnitude : magnitude;
        if (value < min || value > max)
            return false;
        next_ = c;
        return true;
    }

    bool flag(bool& value)
    {
        if (word(TrueWord))
            value = true;
        else if (word(FalseWord))
            value = false;
        else
            return false;
        return true;
    }

    // Text between double quotes; it may hold commas but no quote. A text with the same bytes
    // as `recent` shares its string, which spares an allocation and a decoding.
    bool quoted(QString& text, RecentText& recent)
    {
        if (atEnd() || *next_ != '"')
            return false;
        const char* open = next_ + 1;
        const auto* close = static_cast<const char*>(std::memchr(open, '"', size_t(end_ - open)));
        if (!close)
            return false;
        const QByteArrayView raw(open, close - open);
        if (raw.isEmpty()) {
            text = QString(); // an empty field keeps the recent text for the next one
        } else if (raw == recent.raw) {
            text = recent.text;
        } else {
            std::optional<QString> decoded = cp932::decode(raw);
            if (!decoded)
                return false;
            text = std::move(*decoded);
            recent = {raw, text};
        }
        next_ = close + 1;
        return true;
    }

private:
    // The whole field is the given word.
    template <size_t N>
    bool word(const char (&w)[N])
    {
        constexpr size_t length = N - 1;
        if (size_t(end_ - next_) < length || std::memcmp(next_, w, length) != 0)
            return false;
        const char* after = next_ + length;
        if (after != end_ && *after != ',')
            return false;
        next_ = after;
        return true;
    }

    const char* next_;
    const char* end_;
};

struct Record {
    int page = 0;
    int slot = 0;
    ItemRec item;
};

// Reads one record line into r (reused from line to line, so its strings are simply replaced).
bool readRecord(const char* begin, const char* end, RecentTexts& recent, Record& r)
{
    constexpr int64_t Int32Min = std::numeric_limits<int32_t>::min();
    constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();
    LineReader line(begin, end);
    ItemRec& item = r.item;
    int64_t page = 0, slot = 0, iconNo = 0, color = 0;
    const bool ok =
        line.number(0, MaxPage, page) && line.comma() && line.number(0, SlotCount - 1, slot)
        && line.comma() && line.quoted(item.ProgName, recent.program) && line.comma()
        && line.quoted(item.InitDir, recent.initDir) && line.comma()
        && line.quoted(item.IconFile, recent.program) && line.comma()
        && line.quoted(item.CmdParam, recent.cmdParam) && line.comma()
        && line.quoted(item.Title, recent.title) && line.comma() && line.flag(item.IsDoc)
        && line.comma() && line.quoted(item.AssocExe, recent.assocExe) && line.comma()
        && line.number(Int32Min, Int32Max, iconNo) && line.comma();
    if (!ok)
        return false;
    item.ItemColor.reset();
    if (!line.atEnd()) {
        if (!line.number(Int32Min, Int32Max, color) || !line.atEnd())
            return false;
        item.ItemColor = int32_t(color);
    }
    item.Used = true;
    item.IconNo = int32_t(iconNo);
    r.page = int(page);
    r.slot = int(slot);
    return true;
}

// The page count of the first line, clamped into the table; nothing when it is no number.
struct PageCount {
    int16_t value;
    bool inRange;
};
std::optional<PageCount> readPageCount(const char* begin, const char* end)
{
    int64_t value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ptr != end || (ec != std::errc() && ec != std::errc::result_out_of_range))
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        value = *begin == '-' ? -1 : MaxPage + 1;
    return PageCount{int16_t(std::clamp<int64_t>(value, 0, MaxPage)),
                     value >= 0 && value <= MaxPage};
}

// Enough room for the whole file, so the buffer never grows while it is written.
qsizetype formattedSizeBound(const ItemStore& store)
{
    constexpr qsizetype FixedPartBound = 96; // numbers, quotes, commas, the flag, CR LF
    qsizetype size = 8;
    for (int page = 0; page <= store.PageCnt; ++page) {
        for (int slot = 0; slot < SlotCount; ++slot) {
            const ItemRec& r = store.ItemTbl(page, slot);
            if (r.Used)
                size += FixedPartBound
                        + 2
                              * (r.ProgName.size() + r.InitDir.size() + r.IconFile.size()
                                 + r.CmdParam.size() + r.Title.size() + r.AssocExe.size());
        }
    }
    return size;
}

} // namespace

FormatResult formatItemFile(const ItemStore& store)
{
    FormatResult result;
    if (store.PageCnt < 0 || store.PageCnt > MaxPage) {
        result.error = QStringLiteral("ページ数 %1 が範囲外です。").arg(store.PageCnt);
        return result;
    }
    QByteArray& out = result.bytes;
    out.reserve(formattedSizeBound(store));
    appendNumber(out, store.PageCnt);
    out.append("\r\n");
    RecordWriter writer(out);
    const int lastPage = store.PageCnt;
    for (int page = 0; page <= lastPage; ++page) {
        for (int slot = 0; slot < SlotCount; ++slot) {
            const ItemRec& r = store.ItemTbl(page, slot);
            if (r.Used && !writer.write(page, slot, r, result.error)) {
                out.clear();
                return result;
            }
        }
    }
    return result;
}

ParseResult parseItemFile(const QByteArray& bytes, ItemStore& store)
{
    ParseResult result;
    std::optional<PageCount> pageCount;
    std::vector<int> linesOnPage(MaxPage + 1, 0);
    int highestPage = 0;
    bool firstLine = true;
    RecentTexts recent;
    Record record;

    const char* next = bytes.constData();
    const char* const end = next + bytes.size();
    while (next < end) {
        const auto* newline = static_cast<const char*>(std::memchr(next, '\n', size_t(end - next)));
        const char* lineEnd = newline ? newline : end;
        const char* contentEnd = lineEnd != next && lineEnd[-1] == '\r' ? lineEnd - 1 : lineEnd;
        const char* begin = next;
        next = newline ? newline + 1 : end;

        if (firstLine) {
            firstLine = false;
            pageCount = readPageCount(begin, contentEnd);
            if (!pageCount || !pageCount->inRange)
                ++result.skippedLines;
            continue;
        }
        if (begin == contentEnd)
            continue; // a blank line holds nothing to lose
        if (std::memchr(begin, '\r', size_t(contentEnd - begin))
            || !readRecord(begin, contentEnd, recent, record)) {
            ++result.skippedLines;
            continue;
        }
        store.ItemTbl(record.page, record.slot) = std::move(record.item);
        ++linesOnPage[size_t(record.page)];
        highestPage = std::max(highestPage, record.page);
    }

    store.PageCnt = pageCount ? pageCount->value : int16_t(highestPage);
    for (int page = store.PageCnt + 1; page <= MaxPage; ++page)
        result.skippedLines += linesOnPage[size_t(page)];
    return result;
}
