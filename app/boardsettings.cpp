#include "app/boardsettings.h"

#include "analysis/comparison.h"
#include "analysis/openlottery.h"
#include "app/application.h"
#include "app/filetitle.h"
#include "platform/dates.h"
#include "platform/filewrite.h"
#include "platform/fileread.h"
#include "platform/vb.h"

#include <QFile>
#include <algorithm>
#include <type_traits>

DrawingsInfo DrawingsInfo::of(const OpenLottery &lottery)
{
    DrawingsInfo d;
    d.totalWeeks = lottery.glngTotalWeeks;
    if (lottery.garrGameDates.size() > 1)
        d.newestDate = lottery.garrGameDates[1];
    return d;
}

namespace {

enum class EmptyText { Keep, Zero };
enum class Mark { Excluded, PoolCount, PoolWeight };

// Walks a layout in slot order, handing the visitor each item of `s` with its reset value from
// `d`. The one description of both layouts, for writing and for reading back.
template <class S, class V>
void walkLayout(const GameLayout &layout, S &s, const BoardSettings &d, V &v)
{
    // Arrays run over the ranges of the reset values, which are sized for the game; an element
    // missing from an array to be written is written as its reset value.
    auto element = [](auto &array, const auto &reset, int i) -> decltype(auto) {
        if constexpr (std::is_const_v<S>)
            return array.value(i, reset[i]);
        else
            return (array[i]);
    };
    auto texts = [&](auto &array, const BallArray<QString> &reset, EmptyText rule) {
        for (int i = reset.lo(); i <= reset.hi(); ++i)
            v.text(element(array, reset, i), reset[i], rule);
    };
    auto marks = [&](auto &array, const BallArray<int32_t> &reset, Mark kind) {
        for (int i = reset.lo(); i <= reset.hi(); ++i)
            v.mark(element(array, reset, i), reset[i], kind);
    };
    auto interval = [&](auto &mine, const IntervalSettings &reset) {
        v.check(mine.on, reset.on);
        v.limits(mine.limits, reset.limits);
        v.percent(mine.percentIndex, reset.percentIndex);
    };
    const EmptyText entries = layout.digits() ? EmptyText::Keep : EmptyText::Zero;
    // The items of each drum: the second drum's follow the main drum's on two-drum games.
    auto drums = [&](auto item) {
        for (Drum drum : layout.drums())
            item(s.drum(drum), d.drum(drum));
    };

    v.week(s.startWeek, d.startWeek);
    v.date(s.drawDate, d.drawDate);
    v.week(s.endWeek, d.endWeek);
    v.option(s.hot, d.hot);
    v.option(s.cold, d.cold);
    v.check(s.powerIncrease, d.powerIncrease);
    v.slider(s.powerIncreaseLevel, d.powerIncreaseLevel);
    v.option(s.allExcluded, d.allExcluded);
    texts(s.guaranteeNumbers, d.guaranteeNumbers, entries);
    v.check(s.guaranteeNumbersOn, d.guaranteeNumbersOn);
    drums([&](auto &mine, const DrumSettings &reset) { interval(mine.interval, reset.interval); });
    v.count(s.columnsToDraw, d.columnsToDraw);
    v.check(s.compareWithGuess, d.compareWithGuess);
    v.check(s.incrementalTicket, d.incrementalTicket);
    texts(s.guesses, d.guesses, entries);
    drums([&](auto &mine, const DrumSettings &reset) { marks(mine.excluded, reset.excluded, Mark::Excluded); });
    v.text(s.guessSource, d.guessSource, EmptyText::Keep);
    texts(s.guessPowers, d.guessPowers, EmptyText::Zero);
    v.text(s.guessPowerTotal, d.guessPowerTotal, EmptyText::Keep);
    v.check(s.equalChance, d.equalChance);
    drums([&](auto &mine, const DrumSettings &reset) { marks(mine.poolCountEdited, reset.poolCountEdited, Mark::PoolCount); });
    drums([&](auto &mine, const DrumSettings &reset) { marks(mine.poolWeightSaved, reset.poolWeightSaved, Mark::PoolWeight); });
    if (layout.digits()) {
        v.option(s.straight, d.straight);
        v.option(s.boxed, d.boxed);
    }
}

class Encoder {
public:
    explicit Encoder(BoardSettingsRecord &record) : record_(record) {}

    void week(int32_t v, int32_t) { put(VbVariant::fromInt32(v)); }
    void date(const QString &v, const QString &) { put(VbVariant::fromText(v)); }
    void option(bool v, bool) { put(VbVariant::fromBool(v)); }
    void check(int16_t v, int16_t) { put(VbVariant::fromInt16(v)); }
    void slider(int16_t v, int16_t) { put(VbVariant::fromInt16(v)); }
    void percent(int16_t v, int16_t) { put(VbVariant::fromInt16(v)); }
    void text(const QString &v, const QString &, EmptyText) { put(VbVariant::fromText(v)); }
    void count(const QString &v, const QString &) { put(VbVariant::fromText(v)); }
    void limits(const std::optional<std::array<QString, 2>> &v, const std::optional<std::array<QString, 2>> &)
    {
        put(VbVariant::fromText(v ? (*v)[0] : QString()));
        put(VbVariant::fromText(v ? (*v)[1] : QString()));
    }
    void mark(int32_t v, int32_t, Mark kind)
    {
        put(kind == Mark::Excluded ? VbVariant::fromInt16(static_cast<int16_t>(v)) : VbVariant::fromInt32(v));
    }

    bool textsFit = true;

private:
    void put(const VbVariant &v)
    {
        if (v.isText() && v.text().size() > 65535)
            textsFit = false;
        if (slot_ < kRecordSlots)
            record_[static_cast<size_t>(slot_)] = v;
        ++slot_;
    }

    BoardSettingsRecord &record_;
    int slot_ = 0;
};

// The kinds of value a layout writes into its slots. A slot holding nothing (Empty or Null) fits
// every kind.
enum class Kind {
    Number,  // a whole number (16 or 32 bits)
    Text,
    Truth,   // a truth value
    Date,    // a date, or a text (the short date form)
};

bool holdsKind(const VbVariant &slot, Kind kind)
{
    if (slot.isEmpty() || slot.isNull())
        return true;
    switch (kind) {
    case Kind::Number:
        return slot.integer().has_value();
    case Kind::Text:
        return slot.isText();
    case Kind::Truth:
        return slot.tag() == VbVariant::Boolean;
    case Kind::Date:
        return slot.isText() || slot.tag() == VbVariant::Date;
    }
    return false;
}

class Decoder {
public:
    Decoder(const BoardSettingsRecord &record, const DrawingsInfo &drawings, int readable)
        : record_(record), drawings_(drawings), readable_(readable)
    {
    }

    void week(int32_t &v, int32_t reset) { v = integerIn(take(Kind::Number), 1, drawings_.totalWeeks).value_or(reset); }
    // A date, shown in the short form, or a text in that form; either must read back as a date.
    // A slot that holds something else (a text in another locale's short form too) reads as no
    // date (an empty text), which the board replaces by the date of the end drawing of slot 2.
    void date(QString &v, const QString &reset)
    {
        const VbVariant *slot = take(Kind::Date);
        if (!slot) {
            v = reset;
            return;
        }
        const QString text = slot->tag() == VbVariant::Date ? dates::toShortText(slot->date()) : slot->text();
        v = dates::fromShortText(text).isValid() ? text : QString();
    }
    void option(bool &v, bool reset)
    {
        const VbVariant *slot = take(Kind::Truth);
        v = slot ? slot->boolean() : reset;
    }
    void check(int16_t &v, int16_t reset)
    {
        v = static_cast<int16_t>(integerIn(take(Kind::Number), 0, 2).value_or(reset));
    }
    // A slider value outside Min..Max (Empty too) gives Min, the reset value.
    void slider(int16_t &v, int16_t reset)
    {
        v = static_cast<int16_t>(integerIn(take(Kind::Number), 2, 4).value_or(reset));
    }
    void percent(int16_t &v, int16_t reset)
    {
        v = static_cast<int16_t>(integerIn(take(Kind::Number), 0, 10).value_or(reset));
    }
    void text(QString &v, const QString &reset, EmptyText rule)
    {
        const VbVariant *slot = take(Kind::Text);
        v = slot ? slot->text() : reset;
        if (slot && v.isEmpty() && rule == EmptyText::Zero)
            v = QStringLiteral("0");
    }
    // The number of columns to draw: digits only.
    void count(QString &v, const QString &reset)
    {
        const VbVariant *slot = take(Kind::Text);
        const QString t = slot ? slot->text() : QString();
        const bool digits = slot && std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        v = digits ? t : reset;
    }
    void limits(std::optional<std::array<QString, 2>> &v, const std::optional<std::array<QString, 2>> &reset)
    {
        const VbVariant *a = take(Kind::Text);
        const VbVariant *b = take(Kind::Text);
        const auto na = a ? vb::numericValue(a->text()) : std::nullopt;
        const auto nb = b ? vb::numericValue(b->text()) : std::nullopt;
        if (!na || !nb) {
            v = reset;
            return;
        }
        v = *nb < *na ? std::array<QString, 2>{b->text(), a->text()} : std::array<QString, 2>{a->text(), b->text()};
    }
    void mark(int32_t &v, int32_t reset, Mark kind)
    {
        const auto n = integerIn(take(Kind::Number), kind == Mark::PoolCount ? -3 : 0,
                                 kind == Mark::Excluded ? 2 : INT32_MAX);
        v = (n && (kind != Mark::PoolCount || *n == -3 || *n >= 0)) ? *n : reset;
    }

    // Slots of the layout the file did not hold whole, or held with another kind of value.
    int missing() const { return missing_ + (otherLayout() ? 0 : strayKinds_); }
    // The slots do not line up with the layout: more than one holds another kind of value than
    // the layout writes there. One such slot alone is damage to that slot.
    bool otherLayout() const { return strayKinds_ > 1; }

private:
    // The next slot when the file held it whole and it holds the kind the layout writes there
    // (Empty and Null read as "", 0 or False); nothing otherwise.
    const VbVariant *take(Kind kind)
    {
        const int slot = slot_++;
        if (slot >= readable_ || slot >= kRecordSlots) {
            ++missing_;
            return nullptr;
        }
        const VbVariant &v = record_[static_cast<size_t>(slot)];
        if (!holdsKind(v, kind)) {
            ++strayKinds_;
            return nullptr;
        }
        return &v;
    }
    // A whole number within lo..hi (nothing reads as 0).
    static std::optional<int32_t> integerIn(const VbVariant *v, int32_t lo, int32_t hi)
    {
        if (!v)
            return std::nullopt;
        const int32_t n = v->integer().value_or(0);
        if (n < lo || n > hi)
            return std::nullopt;
        return n;
    }

    const BoardSettingsRecord &record_;
    const DrawingsInfo &drawings_;
    int readable_ = kRecordSlots;
    int slot_ = 0;
    int missing_ = 0;
    int strayKinds_ = 0;
};

}  // namespace

BoardSettings boardSettingsDefaults(const GameLayout &layout, const DrawingsInfo &drawings)
{
    BoardSettings s;
    const int first = layout.firstPosition;
    const QString entry = noNumberText(layout);
    s.startWeek = 1;
    s.endWeek = drawings.totalWeeks;
    s.drawDate = drawings.newestDate.isValid() ? dates::toShortText(drawings.newestDate) : QString();
    s.guaranteeNumbers.reset(first, layout.lastGuaranteePosition(), entry);
    s.guesses.reset(first, layout.lastPosition, entry);
    s.guessPowers.reset(first, layout.lastPosition, QStringLiteral("0"));
    for (Drum drum : layout.drums()) {
        const DrumShape balls = layout.drum(drum);
        DrumSettings &d = s.drum(drum);
        d.excluded.reset(balls.firstBall, balls.maxBall, 0);
        d.poolCountEdited.reset(balls.firstBall, balls.maxBall, -3);
        d.poolWeightSaved.reset(balls.firstBall, balls.maxBall, 0);
    }
    return s;
}

bool encodeBoardSettings(const GameLayout &layout, const BoardSettings &settings, BoardSettingsRecord &record)
{
    Encoder encoder(record);
    walkLayout(layout, settings, boardSettingsDefaults(layout, DrawingsInfo{}), encoder);
    return encoder.textsFit;
}

BoardSettings decodeBoardSettings(const GameLayout &layout, const BoardSettingsRecord &record,
                                  const DrawingsInfo &drawings, int readableSlots, RecordDamage *damage)
{
    const BoardSettings defaults = boardSettingsDefaults(layout, drawings);
    BoardSettings s = defaults;
    Decoder decoder(record, drawings, readableSlots);
    walkLayout(layout, s, defaults, decoder);
    RecordDamage found;
    if (decoder.otherLayout()) {
        // Not this layout's record: none of its slots can be trusted.
        found.otherLayout = true;
        s = defaults;
    } else {
        found.damagedSlots = decoder.missing();
        // Each pair of options has exactly one chosen; a pair read otherwise takes its reset.
        auto onePair = [&](bool &first, bool &second, bool resetFirst, bool resetSecond) {
            if (first != second)
                return;
            first = resetFirst;
            second = resetSecond;
            ++found.damagedSlots;
        };
        onePair(s.hot, s.cold, defaults.hot, defaults.cold);
        if (layout.digits())
            onePair(s.straight, s.boxed, defaults.straight, defaults.boxed);
    }
    if (damage)
        *damage = found;
    return s;
}

QByteArray recordBytes(const BoardSettingsRecord &record)
{
    VariantWriter writer;
    for (const VbVariant &slot : record)
        writer.write(slot);
    return writer.bytes();
}

BoardSettingsRecord recordFromBytes(QByteArrayView bytes, int *slotsRead)
{
    BoardSettingsRecord record;
    VariantReader reader(bytes);
    int read = 0;
    for (VbVariant &slot : record) {
        // The end of the data, an unknown tag (nothing after it can be told apart) or a value cut
        // short: the rest stays Empty.
        auto value = reader.read();
        if (!value)
            break;
        slot = std::move(*value);
        ++read;
    }
    if (slotsRead)
        *slotsRead = read;
    return record;
}

std::optional<BoardSettingsRecord> readRecordFile(const QString &path, QString *error, int *slotsRead)
{
    QFile file;
    if (QString why; !fileread::openPlain(file, path, &why)) {
        *error = QStringLiteral("%1 cannot be read: %2").arg(path, why);
        return std::nullopt;
    }
    // The longest record: every slot a text of 65535 bytes.
    constexpr qint64 kLongestRecord = qint64(kRecordSlots) * (4 + 65535);
    return recordFromBytes(file.read(kLongestRecord), slotsRead);
}

bool writeRecordFile(const QString &path, const BoardSettingsRecord &record, QString *error,
                     filewrite::Fault *fault)
{
    filewrite::Error why;
    if (filewrite::writeWhole(path, recordBytes(record), &why))
        return true;
    *error = why.detail;
    if (fault)
        *fault = why.fault;
    return false;
}

bool refreshAnalysisWindow(BoardSettingsRecord &record, int32_t deletedWeek, int32_t maxWeekNo, const QDate &maxDate)
{
    const auto end = record[2].integer();
    if (end && deletedWeek > *end)
        return false;
    record[1] = VbVariant::fromDate(maxDate);
    record[2] = VbVariant::fromInt32(maxWeekNo);
    const auto start = record[0].integer();
    if (start && deletedWeek <= *start)
        record[0] = VbVariant::fromInt32(maxWeekNo);
    return true;
}

QString fncBoardSettingsFileName(const QString &databaseFile, const QString &fileSuffix)
{
    return fncFileTitle(databaseFile) + fileSuffix;
}

bool selectRecordFile(const QString &fileKind, const OpenLottery &lottery)
{
    if (fileKind == QLatin1String("forConfigXYZfile")) {
        app().gstrRecordFileName = fncBoardSettingsFileName(app().gstrLotteryDbFile, lottery.gstrConfigFileSuffix);
        app().gstrRecordFilePath = app().gstrAppFolder + app().gstrRecordFileName;
        return true;
    }
    if (fileKind == QLatin1String("forTICKETfile")) {
        app().gstrRecordFileName = app().gstrTicketName + lottery.gstrFileSuffix;
        app().gstrRecordFilePath = app().gstrSavedTicketsFolder + app().gstrRecordFileName;
        return true;
    }
    return false;
}
