#include "components/tiplist.h"

#include "state/bytes.h"
#include "state/text.h"

#include <limits>

namespace quotara {

ETipOfTheDay::ETipOfTheDay(QString message)
    : message_(std::move(message)), utf8_(message_.toUtf8()) {}

namespace {

enum Tag : std::uint8_t {
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaString = 6,
    vaLString = 12,
};

QString typeName(const QString& name) {
    return name.left(kTipTypeNameLength);
}

// Reads values from the stream, checking every length against what is left.
class ValueReader {
  public:
    explicit ValueReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::int32_t readInteger() {
        const std::size_t at = in_.at();
        switch (tag()) {
        case vaInt8:
            return value<std::int8_t>();
        case vaInt16:
            return value<std::int16_t>();
        case vaInt32:
            return value<std::int32_t>();
        case vaString:
        case vaLString:
            break;
        default:
            unknownTag(at);
        }
        fail(QStringLiteral("a text stands where a number is expected (byte %1)").arg(at));
    }

    QString readString() {
        const std::size_t at = in_.at();
        std::uint32_t length = 0;
        switch (tag()) {
        case vaString:
            length = value<std::uint8_t>();
            break;
        case vaLString:
            length = value<std::uint32_t>();
            break;
        case vaInt8:
        case vaInt16:
        case vaInt32:
            fail(QStringLiteral("a number stands where a text is expected (byte %1)").arg(at));
        default:
            unknownTag(at);
        }
        const auto chars = take(length);
        return fromCp1252({reinterpret_cast<const char*>(chars.data()), chars.size()});
    }

    bool atEnd() const { return in_.left() == 0; }
    std::size_t at() const { return in_.at(); }

    [[noreturn]] static void fail(const QString& what) {
        throw ETipListRead(QStringLiteral("The tip list is damaged: %1.").arg(what));
    }

  private:
    std::uint8_t tag() { return value<std::uint8_t>(); }

    template <class T> T value() {
        need(sizeof(T));
        return in_.get<T>();
    }

    std::span<const std::uint8_t> take(std::size_t n) {
        need(n);
        return in_.take(n);
    }

    void need(std::size_t n) const {
        if (n > in_.left())
            fail(QStringLiteral("it ends %1 byte(s) short (byte %2)")
                     .arg(n - in_.left())
                     .arg(bytes_.size()));
    }

    [[noreturn]] void unknownTag(std::size_t at) const {
        fail(QStringLiteral("unknown value tag %1 (byte %2)").arg(bytes_[at]).arg(at));
    }

    std::span<const std::uint8_t> bytes_;
    ByteReader in_{bytes_};
};

class ValueWriter {
  public:
    void writeInteger(std::int32_t v) {
        if (v >= std::numeric_limits<std::int8_t>::min() &&
            v <= std::numeric_limits<std::int8_t>::max())
            put(vaInt8, static_cast<std::int8_t>(v));
        else if (v >= std::numeric_limits<std::int16_t>::min() &&
                 v <= std::numeric_limits<std::int16_t>::max())
            put(vaInt16, static_cast<std::int16_t>(v));
        else
            put(vaInt32, v);
    }

    void writeString(const QString& s) {
        const std::string chars = toCp1252(s);
        if (chars.size() <= 255)
            put(vaString, static_cast<std::uint8_t>(chars.size()));
        else
            put(vaLString, static_cast<std::uint32_t>(chars.size()));
        out.put(std::span(reinterpret_cast<const std::uint8_t*>(chars.data()), chars.size()));
    }

    ByteWriter out;

  private:
    template <class T> void put(Tag tag, T v) {
        out.put(static_cast<std::uint8_t>(tag));
        out.put(v);
    }
};

} // namespace

void TTipType::setName(const QString& name) {
    name_ = typeName(name.toLower());
}

void TTip::setTipType(const QString& name) {
    tipType_ = typeName(name.toLower());
}

void TTipList::clear() {
    types.clear();
    tips.clear();
}

void TTipList::ReadTipList(std::span<const std::uint8_t> stream) {
    ValueReader in(stream);
    // Items are added as they are read, never reserved from a count, so a huge count in a
    // short stream costs nothing before it fails.
    std::vector<TTipType> newTypes;
    for (std::int32_t n = in.readInteger(); n > 0; --n) {
        TTipType t;
        t.name_ = typeName(in.readString());
        t.Caption = in.readString();
        t.Header = in.readString();
        newTypes.push_back(std::move(t));
    }
    std::vector<TTip> newTips;
    for (std::int32_t n = in.readInteger(); n > 0; --n) {
        TTip t;
        t.tipType_ = typeName(in.readString());
        t.Tip = in.readString();
        t.HelpContext = in.readInteger();
        newTips.push_back(std::move(t));
    }
    if (!in.atEnd())
        ValueReader::fail(QStringLiteral("%1 byte(s) follow its end (byte %2)")
                              .arg(stream.size() - in.at())
                              .arg(in.at()));
    types = std::move(newTypes);
    tips = std::move(newTips);
}

std::vector<std::uint8_t> TTipList::WriteTipList() const {
    ValueWriter out;
    out.writeInteger(static_cast<std::int32_t>(types.size()));
    for (const TTipType& t : types) {
        out.writeString(t.Name());
        out.writeString(t.Caption);
        out.writeString(t.Header);
    }
    out.writeInteger(static_cast<std::int32_t>(tips.size()));
    for (const TTip& t : tips) {
        out.writeString(t.TipType());
        out.writeString(t.Tip);
        out.writeInteger(t.HelpContext);
    }
    return out.out.take();
}

std::size_t TTipList::PickTip(Random& random) {
    if (tips.empty())
        throw ETipOfTheDay(QStringLiteral("No tips have been loaded into the Tips property"));
    const auto n = static_cast<std::uint32_t>(tips.size());
    std::size_t drawn = 0;
    for (int draws = 0; draws < 101; ++draws) {
        drawn = random(n);
        if (!tips[drawn].shown) break;
    }
    if (tips[drawn].shown) {
        drawn = 0;
        while (drawn < tips.size() && tips[drawn].shown)
            ++drawn;
        if (drawn == tips.size())
            throw ETipOfTheDay(QStringLiteral("All tips have been shown already"));
    }
    tips[drawn].shown = true;
    return drawn;
}

const TTipType& TTipList::typeOf(const TTip& tip) const {
    for (const TTipType& t : types)
        if (t.Name() == tip.TipType()) return t;
    throw ETipOfTheDay(QStringLiteral("ShowNextTip: Unknown tip type in tip list"));
}

} // namespace quotara
