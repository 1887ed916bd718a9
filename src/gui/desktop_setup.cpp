#include "gui/desktop_setup.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>

#include "gui/font_substitutions.hpp"
#include "gui/user_defined_characters.hpp"

namespace kv884 {
namespace {

// The application's style, with no icons on dialog buttons (確定, not a green tick beside OK).
class PlainDialogButtons : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

bool setUpDesktop(QApplication& app, const QString& eudcFontFile) {
  installFontSubstitutions();
  const bool loaded = installUserDefinedCharacters(eudcFontFile);
  QApplication::setFont(withUserDefinedCharacters(QApplication::font()));

  const QLocale taiwan(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
  QLocale::setDefault(taiwan);
  auto* qtTexts = new QTranslator(&app);
  if (qtTexts->load(QStringLiteral("qtbase_zh_TW"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(qtTexts);
  QApplication::setStyle(new PlainDialogButtons);
  return loaded;
}

}  // namespace kv884
