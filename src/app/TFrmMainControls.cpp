#include "app/TFrmMain.h"

#include "app/ApplicationIcon.h"
#include "questions/TextCodec.h"
#include "widgets/BevelPanel.h"
#include "widgets/JapaneseFont.h"
#include "widgets/MarkImages.h"
#include "widgets/RomajiLineInput.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

namespace {

QLabel* createCaption(QWidget* parent, const QString& name, const QString& text, int top,
                      int height)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(JapaneseFont::ofPixelSize(16));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(8, top, 73, height);
    return label;
}

} // namespace

void TFrmMain::createControls()
{
    setObjectName(QStringLiteral("TFrmMain"));
    setWindowTitle(ApplicationTitle);
    setWindowIcon(ApplicationIcon::create());
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFont(JapaneseFont::ofPixelSize(12));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(498, 128);
    client->setAutoFillBackground(true);
    QPalette green = client->palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    client->setPalette(green);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Label1 = createCaption(client, QStringLiteral("Label1"), QStringLiteral("残り時間"), 8, 17);
    Label2 = createCaption(client, QStringLiteral("Label2"), QStringLiteral("問題文章"), 32, 25);
    Label3 = createCaption(client, QStringLiteral("Label3"), QStringLiteral("入力場所"), 64, 25);

    // A screen reader reads each line's value as its name and the caption beside it as what
    // the line is.
    Panel2 = new BevelPanel(client, QStringLiteral("Panel2"));
    Panel2->setGeometry(88, 8, 361, 17);
    Panel2->setCaption(Label1->text());
    ProgressBar1 = new QProgressBar(Panel2);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(2, 2, 357, 13);
    ProgressBar1->setRange(0, Drill::BarMaximum);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleDescription(Label1->text());
    showRemainingTime(0);
    ProgressBar1->hide();

    Panel1 = new BevelPanel(client, QStringLiteral("Panel1"));
    Panel1->setGeometry(88, 32, 361, 25);
    Panel1->setCaption(Label2->text());

    Edit1 = new QLineEdit(client);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(88, 64, 361, 25);
    Edit1->setAccessibleName(Label3->text());
    Edit1->setFocus();
    // What the user types, deletes or commits through an input method; the program's own
    // emptying of the line is no answer.
    connect(Edit1, &QLineEdit::textEdited, this, &TFrmMain::Edit1Change);
    romajiInput = new RomajiLineInput(
        Edit1, [this] { return TextCodec::decode(game.currentQuestion().answer); });

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(456, 16, 33, 33);
    Image1->setAlignment(Qt::AlignCenter);
    ImageList1 = {MarkImages::timeOutCross(), MarkImages::correctCircle()};

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TFrmMain::Timer1Timer);
}
