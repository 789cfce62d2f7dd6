#include "state/helptopics.h"

namespace quotara {

QString helpPageForContext(int context) {
    switch (context) {
    case kHelpGameEditor:
        return QStringLiteral(":/help/editor.html");
    case kHelpSharePrices:
        return QStringLiteral(":/help/shareprices.html");
    case kHelpContents:
    default:
        return QStringLiteral(":/help/contents.html");
    }
}

QUrl helpUrlForContext(int context) {
    return QUrl(QStringLiteral("qrc") + helpPageForContext(context));
}

} // namespace quotara
