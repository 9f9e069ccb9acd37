#include "app/ApplicationSetup.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "app/AppStyle.h"
#include "app/Fonts.h"
#include "app/HelpWindow.h"
#include "app/QtTranslations.h"
#include "app/Resources.h"
#include "app/editing/InputMethodGuard.h"

namespace kakeibo::shell {

void setUpApplication(QApplication& app) {
    // The desktop matches the window to its desktop entry (and so to its
    // icon and name) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KAKEIBO_APP_ID));
    loadResources();
    // The installed theme icon is this same picture; looking it up in the
    // desktop's icon theme would read the theme's index at every start.
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(builtInPicture(QStringLiteral(":/kakeibo.png")))));
    // The help command opens the file of this name (beside the book, the
    // installed copy, or the copy built in).
    app.setProperty("helpFile", QString::fromLatin1(kHelpFileName));
    installAppStyle();
    installJapaneseFonts();
    installInputMethodGuard(app);
    installQtJapaneseTexts(app);
}

}  // namespace kakeibo::shell
