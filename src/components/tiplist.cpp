#include "components/tiplist.h"

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
        const std::size_t at = at_;
        switch (tag()) {
        case vaInt8:
            return static_cast<std::int8_t>(take(1)[0]);
        case vaInt16:
            return static_cast<std::int16_t>(le(take(2)));
        case vaInt32:
            return static_cast<std::int32_t>(le(take(4)));
        case vaString:
        case vaLString:
            break;
        default:
            unknownTag(at);
        }
        fail(QStringLiteral("a text stands where a number is expected (byte %1)").arg(at));
    }

    QString readString() {
        const std::size_t at = at_;
        std::uint32_t length = 0;
        switch (tag()) {
        case vaString:
            length = take(1)[0];
            break;
        case vaLString:
            length = le(take(4));
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

    bool atEnd() const { return at_ == bytes_.size(); }
    std::size_t at() const { return at_; }

    [[noreturn]] static void fail(const QString& what) {
        throw ETipListRead(QStringLiteral("The tip list is damaged: %1.").arg(what));
    }

  private:
    std::uint8_t tag() { return take(1)[0]; }

    std::span<const std::uint8_t> take(std::size_t n) {
        if (n > bytes_.size() - at_)
            fail(QStringLiteral("it ends %1 byte(s) short (byte %2)")
                     .arg(n - (bytes_.size() - at_))
                     .arg(bytes_.size()));
        const auto out = bytes_.subspan(at_, n);
        at_ += n;
        return out;
    }

    static std::uint32_t le(std::span<const std::uint8_t> b) {
        std::uint32_t v = 0;
        for (std::size_t i = b.size(); i-- > 0;)
            v = (v << 8) | b[i];
        return v;
    }

    [[noreturn]] void unknownTag(std::size_t at) const {
        fail(QStringLiteral("unknown value tag %1 (byte %2)").arg(bytes_[at]).arg(at));
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

class ValueWriter {
  public:
    void writeInteger(std::int32_t v) {
        if (v >= std::numeric_limits<std::int8_t>::min() &&
            v <= std::numeric_limits<std::int8_t>::max())
            put(vaInt8, static_cast<std::uint32_t>(v), 1);
        else if (v >= std::numeric_limits<std::int16_t>::min() &&
                 v <= std::numeric_limits<std::int16_t>::max())
            put(vaInt16, static_cast<std::uint32_t>(v), 2);
        else
            put(vaInt32, static_cast<std::uint32_t>(v), 4);
    }

    void writeString(const QString& s) {
        const std::string chars = toCp1252(s);
        if (chars.size() <= 255)
            put(vaString, static_cast<std::uint32_t>(chars.size()), 1);
        else
            put(vaLString, static_cast<std::uint32_t>(chars.size()), 4);
        bytes.insert(bytes.end(), chars.begin(), chars.end());
    }

    std::vector<std::uint8_t> bytes;

  private:
    void put(Tag tag, std::uint32_t v, int size) {
        bytes.push_back(tag);
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
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
    return std::move(out.bytes);
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
