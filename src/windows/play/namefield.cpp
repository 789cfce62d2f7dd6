#include "windows/play/namefield.h"

#include "play/players.h"
#include "state/messages.h"
#include "state/text.h"

#include <QLineEdit>
#include <QValidator>

#include <utility>

namespace quotara {

namespace {

class NameValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const QString letter = unsavableLetter(input);
        if (letter.isEmpty()) return Acceptable;
        refused_ = letter;
        return Invalid;
    }
    // The letter of the last refusal, once.
    QString takeRefused() const { return std::exchange(refused_, QString()); }

  private:
    mutable QString refused_;
};

} // namespace

void guardNameField(QLineEdit* field, Messages& messages) {
    field->setMaxLength(kNameLength);
    auto* validator = new NameValidator(field);
    field->setValidator(validator);
    // Also emitted when the field is full; then the cut is what the player sees.
    QObject::connect(field, &QLineEdit::inputRejected, field, [validator, &messages] {
        const QString letter = validator->takeRefused();
        if (!letter.isEmpty())
            messages.show(Messages::Kind::Information, unsavableNameText(letter));
    });
}

} // namespace quotara
