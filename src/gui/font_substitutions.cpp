#include "gui/font_substitutions.hpp"

#include <QFont>
#include <QString>
#include <QStringList>

namespace kv884 {

void installFontSubstitutions() {
  const QStringList ming{QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing HK"),
                         QStringLiteral("AR PL UMing CN")};
  const QStringList kai{QStringLiteral("AR PL UKai TW"), QStringLiteral("AR PL UKai HK"),
                        QStringLiteral("AR PL UKai CN")};
  const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                         QStringLiteral("DejaVu Sans")};
  // The Chinese face names and their romanised forms, as data sets and old pages name them.
  for (const char16_t* name : {u"細明體", u"新細明體", u"MingLiU", u"PMingLiU"})
    QFont::insertSubstitutions(QString::fromUtf16(name), ming);
  for (const char16_t* name : {u"標楷體", u"DFKai-SB"})
    QFont::insertSubstitutions(QString::fromUtf16(name), kai);
  QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
}

}  // namespace kv884
