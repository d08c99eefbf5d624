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

// Writes a record line at a time into room reserved beforehand (see formattedSizeBound):
// straight stores, with no size check per character.
class RecordWriter {
public:
    explicit RecordWriter(char* out) : next_(out) {}

    char* end() const { return next_; }

    void number(int64_t value) { next_ = std::to_chars(next_, next_ + 24, value).ptr; }
    void put(char c) { *next_++ = c; }
    template <size_t N>
    void put(const char (&word)[N])
    {
        next_ = std::copy_n(word, N - 1, next_);
    }

    // False, with the refused field in error, when a text cannot be stored.
    bool write(int page, int slot, const ItemRec& r, QString& error)
    {
        number(page);
        put(',');
        number(slot);
        for (const TextField& field : LeadingTexts) {
            if (!quoted(page, slot, r, field, error))
                return false;
        }
        put(',');
        if (r.IsDoc)
            put(TrueWord);
        else
            put(FalseWord);
        if (!quoted(page, slot, r, AssocExeField, error))
            return false;
        put(',');
        number(r.IconNo);
        put(',');
        if (r.ItemColor)
            number(*r.ItemColor);
        put('\r');
        put('\n');
        return true;
    }

private:
    bool quoted(int page, int slot, const ItemRec& r, const TextField& field, QString& error)
    {
        put(',');
        put('"');
        // The same rule as canStoreText, in one pass with the encoding.
        char* const end = cp932::encodeExactlyTo(r.*field.member, next_, QuoteAndLineBreaks);
        if (!end) {
            error = QStringLiteral("ページ %1 のスロット %2 の「%3」に、データファイルに書けない"
                                   "文字（\"、改行、CP932 にない文字）があります。")
                        .arg(page)
                        .arg(slot)
                        .arg(QString::fromUtf16(field.label));
            return false;
        }
        next_ = end;
        put('"');
        return true;
    }

    char* next_;
};

// The texts read so far, by their bytes, so a text met again shares the string read first:
// items often repeat a folder, a viewer or a title, and an item's icon file is usually its
// program. A small cache: a text pushed out of it is read again and shared anew from then on.
class TextPool {
public:
    // The text of raw, or nothing when raw is not CP932.
    std::optional<QString> text(QByteArrayView raw)
    {
        Set& set = sets_[setOf(raw)];
        for (int way = 0; way < 2; ++way) {
            Entry& entry = set.ways[way];
            if (!entry.text.isNull() && entry.raw == raw) {
                set.older = 1 - way;
                return entry.text;
            }
        }
        std::optional<QString> decoded = cp932::decode(raw);
        if (decoded) {
            set.ways[set.older] = {raw, *decoded};
            set.older = 1 - set.older;
        }
        return decoded;
    }

private:
    // Few enough that the pool stays in the processor's cache, and an evicted string, whose
    // count is lowered, is still near; two texts a set, so two that meet there on every line
    // (a folder and a program in it) do not push each other out.
    static constexpr int SetBits = 7;

    // From every byte, eight at a time: texts of one table often share their start (a home
    // folder) and their end (".exe") and differ only in between.
    static size_t setOf(QByteArrayView raw)
    {
        constexpr uint64_t Multiplier = 0x9E3779B97F4A7C15ull;
        const char* bytes = raw.data();
        size_t left = size_t(raw.size());
        uint64_t hash = left * 0xC2B2AE3D27D4EB4Full;
        for (; left >= 8; left -= 8, bytes += 8) {
            uint64_t word;
            std::memcpy(&word, bytes, 8);
            hash = (hash ^ word) * Multiplier;
            hash ^= hash >> 29;
        }
        uint64_t rest = 0;
        std::memcpy(&rest, bytes, left);
        hash = (hash ^ rest) * Multiplier;
        return size_t(hash >> (64 - SetBits));
    }
    struct Entry {
        QByteArrayView raw; // within the file being read
        QString text;
    };
    struct Set {
        Entry ways[2];
        int older = 0;
    };
    std::vector<Set> sets_ = std::vector<Set>(size_t(1) << SetBits);
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
    // as one read before shares its string, which spares an allocation and a decoding.
    bool quoted(QString& text, TextPool& pool)
    {
        if (atEnd() || *next_ != '"')
            return false;
        const char* open = next_ + 1;
        const auto* close = static_cast<const char*>(std::memchr(open, '"', size_t(end_ - open)));
        if (!close)
            return false;
        const QByteArrayView raw(open, close - open);
        if (raw.isEmpty()) {
            text = QString();
        } else {
            std::optional<QString> decoded = pool.text(raw);
            if (!decoded)
                return false;
            text = std::move(*decoded);
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
bool readRecord(const char* begin, const char* end, TextPool& pool, Record& r)
{
    constexpr int64_t Int32Min = std::numeric_limits<int32_t>::min();
    constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();
    LineReader line(begin, end);
    ItemRec& item = r.item;
    int64_t page = 0, slot = 0, iconNo = 0, color = 0;
    const bool ok =
        line.number(0, MaxPage, page) && line.comma() && line.number(0, SlotCount - 1, slot)
        && line.comma() && line.quoted(item.ProgName, pool) && line.comma()
        && line.quoted(item.InitDir, pool) && line.comma()
        && line.quoted(item.IconFile, pool) && line.comma()
        && line.quoted(item.CmdParam, pool) && line.comma()
        && line.quoted(item.Title, pool) && line.comma() && line.flag(item.IsDoc)
        && line.comma() && line.quoted(item.AssocExe, pool) && line.comma()
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
    qsizetype size = 32; // the page count and its CR LF, with room for the number writer
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
    out.resize(formattedSizeBound(store));
    RecordWriter writer(out.data());
    writer.number(store.PageCnt);
    writer.put("\r\n");
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
    out.truncate(writer.end() - out.data());
    return result;
}

ParseResult parseItemFile(const QByteArray& bytes, ItemStore& store)
{
    ParseResult result;
    std::optional<PageCount> pageCount;
    std::vector<int> linesOnPage(MaxPage + 1, 0);
    int highestPage = 0;
    bool firstLine = true;
    TextPool pool;
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
            || !readRecord(begin, contentEnd, pool, record)) {
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
