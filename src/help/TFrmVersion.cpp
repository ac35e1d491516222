#include "help/TFrmVersion.h"

#include "ProductInfo.h"
#include "widgets/JapaneseFont.h"
#include "widgets/WindowParts.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QLabel* centredLine(QWidget* parent, const QString& name, const QString& text, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(JapaneseFont::ofPixelSize(16));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, top, 363, 22);
    return label;
}

} // namespace

TFrmVersion::TFrmVersion(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("TFrmVersion"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFont(JapaneseFont::ofPixelSize(12));
    setFixedSize(363, 132);
    Label1 = centredLine(this, QStringLiteral("Label1"), ProductInfo::Name, 19);
    Label2 = centredLine(this, QStringLiteral("Label2"),
                         QStringLiteral("Version ") + ProductInfo::Version, 43);
    // The word dictionary's licence asks for its credit where its readings are offered.
    dictionaryCredit = new QLabel(QStringLiteral("読みの提案: EDICT © EDRDG (CC BY-SA 4.0)"), this);
    dictionaryCredit->setObjectName(QStringLiteral("dictionaryCredit"));
    dictionaryCredit->setAlignment(Qt::AlignCenter);
    dictionaryCredit->setGeometry(0, 68, 363, 18);
    BitBtn1 = WindowParts::glyphButton(this, QStringLiteral("BitBtn1"), QStyle::SP_DialogOkButton,
                                       QStringLiteral("OK"), {144, 96, 75, 25});
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}
