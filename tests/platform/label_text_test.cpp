#include "platform/label_text.h"

#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

using namespace tulvane::platform;

namespace {

const QString kTexte = "> Importation de fichier(s) audio/vidéo";

int largeurTexte(const QLabel& label)
{
    return QFontMetrics(label.font()).horizontalAdvance(label.text());
}

TEST(FitTextToBox, AWideTextIsSetNarrowerInTheSameSizeAndBox)
{
    QLabel label(kTexte);
    label.setFont(arial(11));
    const int naturelle = largeurTexte(label);
    label.resize(naturelle - 12, 13);

    fitTextToBox(label);
    EXPECT_EQ(label.size(), QSize(naturelle - 12, 13));
    EXPECT_EQ(label.font().pixelSize(), 11);
    EXPECT_LT(label.font().stretch(), QFont::Unstretched);
    EXPECT_LE(largeurTexte(label), label.width());
}

TEST(FitTextToBox, ATextThatFitsKeepsItsFace)
{
    QLabel label(kTexte);
    label.setFont(arial(11, true));
    label.resize(largeurTexte(label), 13);
    const QFont avant = label.font();
    fitTextToBox(label);
    EXPECT_EQ(label.font(), avant);
}

TEST(FitTextToBox, AWrappingLabelIsSetNarrowerUntilItsLinesFitItsHeight)
{
    QLabel label(kTexte + " " + kTexte);
    label.setFont(arial(11));
    label.setWordWrap(true);
    const QFontMetrics mesure(label.font());
    const int ligne = mesure.boundingRect(QRect(0, 0, 1000, 100), Qt::TextSingleLine, "X").height();
    label.resize(mesure.horizontalAdvance(kTexte) - 6, ligne * 2);  // two lines, but short
    fitTextToBox(label);
    EXPECT_LT(label.font().stretch(), QFont::Unstretched);
    const QRect besoin = QFontMetrics(label.font()).boundingRect(label.contentsRect(), Qt::TextWordWrap, label.text());
    EXPECT_LE(besoin.height(), label.height());
}

TEST(FitTextToBox, ATextTooLongForAnyFaceStopsAtTheCondensedOne)
{
    QLabel label(kTexte);
    label.setFont(arial(11));
    label.resize(20, 13);
    fitTextToBox(label);
    EXPECT_EQ(label.font().stretch(), QFont::Condensed);
}

}  // namespace
