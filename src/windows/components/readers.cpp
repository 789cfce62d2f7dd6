#include "windows/components/readers.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRegularExpression>

namespace quotara {

namespace {

const char* const kCaptionLabel = "readerCaptionLabel";
const char* const kCaptionText = "readerCaptionText";
const char* const kHidden = "readerHidden";

// A caption as read: no trailing " :" or " -".
QString readable(QString caption) {
    static const QRegularExpression trailing(QStringLiteral("[\\s:-]+$"));
    return caption.remove(trailing).trimmed();
}

QString captionOf(const QLabel* value) {
    QString caption = value->property(kCaptionText).toString();
    if (const auto* label =
            qobject_cast<const QLabel*>(value->property(kCaptionLabel).value<QObject*>()))
        caption = label->text();
    return readable(caption);
}

// A figure read with its caption; everything else as Qt reads a label.
class CaptionedLabel final : public QAccessibleWidget {
  public:
    explicit CaptionedLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        if (t != QAccessible::Name || !label->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const QString caption = captionOf(label);
        const QString value = label->text().trimmed();
        return value.isEmpty() ? caption : caption + QStringLiteral(": ") + value;
    }
    // Labelled by its caption, without making the caption a buddy: a buddy's text would show
    // "&" as a shortcut mark ("Alliance & Leicester").
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if (match & QAccessible::Label)
            if (auto* caption = widget()->property(kCaptionLabel).value<QObject*>())
                if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(caption))
                    found.append({iface, QAccessible::Label});
        return found;
    }
};

// A picture that does nothing: there, but invisible to readers.
class HiddenPicture final : public QAccessibleWidget {
  public:
    explicit HiddenPicture(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
};

QAccessibleInterface* readersFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->property(kHidden).toBool()) return new HiddenPicture(widget);
    auto* label = qobject_cast<QLabel*>(object);
    if (label &&
        (label->property(kCaptionLabel).isValid() || label->property(kCaptionText).isValid()))
        return new CaptionedLabel(label);
    return nullptr;
}

// Installed after Qt's own, so it is asked first; it answers only for what it marked.
void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(readersFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

// With a reader listening from the start, Qt made and kept the widget's usual interface when
// the form set its text; drop it so the next question gets ours.
template <class Ours> void renew(QWidget* widget) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (iface && !dynamic_cast<Ours*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

} // namespace

void tieCaption(QLabel* caption, QLabel* value) {
    installFactory();
    value->setProperty(kCaptionLabel, QVariant::fromValue<QObject*>(caption));
    renew<CaptionedLabel>(value);
}

void tieCaption(const QString& caption, QLabel* value) {
    installFactory();
    value->setProperty(kCaptionText, caption);
    renew<CaptionedLabel>(value);
}

void nameAfterCaption(QLabel* caption, QWidget* field) {
    caption->setBuddy(field);
    // A buddy's "&" marks its shortcut key.
    field->setAccessibleName(readable(caption->text().remove(QLatin1Char('&'))));
}

void tieCaptionsByName(QWidget* root) {
    const QList<QLabel*> labels = root->findChildren<QLabel*>();
    for (QLabel* caption : labels) {
        const QString name = caption->objectName();
        if (!name.endsWith(QLatin1String("cap"))) continue;
        const QString valueName = name.chopped(3);
        for (QLabel* value : labels)
            if (value->objectName().compare(valueName, Qt::CaseInsensitive) == 0)
                tieCaption(caption, value);
    }
}

void hideFromReaders(QWidget* picture) {
    installFactory();
    picture->setFocusPolicy(Qt::NoFocus);
    picture->setProperty(kHidden, true);
    renew<HiddenPicture>(picture);
}

QString readerName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace quotara
