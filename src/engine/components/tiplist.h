#pragma once
// The tip of the day's table: tip types (each gives the dialog its caption and header) and
// the tips, with the "TheTipList" value stream they are stored as, and the choice of the
// next tip to show.
//
// The stream is a sequence of tagged values, little-endian, texts in Windows-1252 bytes:
//   integer T, then T x (Name, Caption, Header); integer N, then N x (TipType, Tip, HelpContext)
// Tags: 2 = int8, 3 = int16, 4 = int32; 6 = string with a 1-byte length, 12 = string with
// an unsigned 32-bit length.

#include "state/random.h"

#include <QString>

#include <cstdint>
#include <exception>
#include <span>
#include <vector>

namespace quotara {

// A failure of the tip of the day; shown in the standard error box.
class ETipOfTheDay : public std::exception {
  public:
    explicit ETipOfTheDay(QString message);
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QByteArray utf8_;
};

// A tip list stream that cannot be read: truncated, an unknown tag, a length beyond its end.
class ETipListRead : public ETipOfTheDay {
    using ETipOfTheDay::ETipOfTheDay;
};

// Names of types, and the type a tip names, are at most this many characters.
inline constexpr int kTipTypeNameLength = 8;

class TTipType {
  public:
    const QString& Name() const { return name_; }
    // Lower-cased and cut to 8 characters.
    void setName(const QString& name);

    QString Caption; // the dialog's window caption
    QString Header;  // the dialog's header line

  private:
    friend class TTipList;
    QString name_;
};

class TTip {
  public:
    const QString& TipType() const { return tipType_; }
    // Lower-cased and cut to 8 characters.
    void setTipType(const QString& name);

    QString Tip;                  // the text shown
    std::int32_t HelpContext = 0; // help topic; 0 for none
    bool shown = false;           // picked in this run; not stored

  private:
    friend class TTipList;
    QString tipType_;
};

class TTipList {
  public:
    std::vector<TTipType> types;
    std::vector<TTip> tips;

    // Neither types nor tips; such a list is not stored at all.
    bool isEmpty() const { return types.empty() && tips.empty(); }
    void clear();

    // Replaces both lists by the stream's. Names read are cut to 8 characters but keep their
    // case; counts of 0 or less read no items. A damaged stream, or bytes after its end,
    // throws ETipListRead and leaves the lists as they were.
    void ReadTipList(std::span<const std::uint8_t> stream);
    // The stream of both lists in order, each integer in its smallest form.
    std::vector<std::uint8_t> WriteTipList() const;

    // Draws tips with random(N) until one not yet shown comes up, 101 draws at most, then
    // takes the first not shown; marks it shown and returns its index (0-based). Throws
    // ETipOfTheDay when there are no tips or every tip has been shown.
    std::size_t PickTip(Random& random);

    // The first type whose Name is exactly the tip's TipType; throws ETipOfTheDay for none.
    const TTipType& typeOf(const TTip& tip) const;
};

} // namespace quotara
