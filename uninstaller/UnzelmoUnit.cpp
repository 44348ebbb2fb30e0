#include "UnzelmoUnit.h"

#include "removal.h"

#include "platform/errors.h"
#include "platform/fonts.h"
#include "platform/guard.h"

#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

// The compiled-in window icon lives in this static library; its initialiser must be called.
static void initResources()
{
    Q_INIT_RESOURCE(unzelmo);
}

namespace {
// The window's outer size (frame included) and its controls in client coordinates.
constexpr QSize outerSize(480, 220);
constexpr QRect label1Rect(40, 48, 373, 20);
constexpr QRect label2Rect(8, 92, 449, 15);
constexpr QRect okBtnRect(188, 128, 120, 33);
constexpr QRect noBtnRect(316, 128, 120, 33);
constexpr QRect progBarRect(36, 88, 389, 21);
constexpr QRect endBtnRect(316, 128, 120, 33);
constexpr int progressTickMs = 30;

QPushButton *makeButton(QWidget *parent, const QString &text, const QRect &rect)
{
    auto *button = new QPushButton(text, parent);
    button->setGeometry(rect);
    button->setFont(platform::pixelFont(17));
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}
} // namespace

TUnzelmoForm::TUnzelmoForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("ゼルモ団 のアンインストール"));
    initResources();
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    setFixedSize(outerSize);
    setFont(platform::pixelFont(15));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    OKBtn = makeButton(this, QStringLiteral("は　い"), okBtnRect);
    NOBtn = makeButton(this, QStringLiteral("いいえ"), noBtnRect);

    Label1 = new QLabel(QStringLiteral("ゼルモ団　を完全に削除しますか　?"), this);
    Label1->setGeometry(label1Rect);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(platform::pixelFont(20, true));

    Label2 = new QLabel(
        QStringLiteral("削除する場合はゼルモ団を完全に終了した後で削除してください"), this);
    Label2->setGeometry(label2Rect);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    ProgBar = new QProgressBar(this);
    ProgBar->setGeometry(progBarRect);
    ProgBar->setRange(0, 100);
    ProgBar->setValue(0);
    ProgBar->setTextVisible(false);
    ProgBar->hide();

    Timer = new QTimer(this);
    Timer->setInterval(progressTickMs);
    Timer->setTimerType(Qt::PreciseTimer);

    ENDBtn = makeButton(this, QStringLiteral("O K"), endBtnRect);
    ENDBtn->hide();

    setTabOrder(OKBtn, NOBtn);
    setTabOrder(NOBtn, ProgBar);
    setTabOrder(ProgBar, ENDBtn);
    OKBtn->setFocus();

    connect(OKBtn, &QPushButton::clicked, this, &TUnzelmoForm::OKBtnClick);
    connect(NOBtn, &QPushButton::clicked, this, &TUnzelmoForm::NOBtnClick);
    connect(ENDBtn, &QPushButton::clicked, this, &TUnzelmoForm::ENDBtnClick);
    connect(Timer, &QTimer::timeout, this, &TUnzelmoForm::TimerTimer);
}

void TUnzelmoForm::OKBtnClick()
{
    platform::guarded([this] {
        Label1->setText(QStringLiteral("ゼルモ団　を削除しています"));
        Label2->hide();
        ProgBar->setValue(0);
        ProgBar->show();
        OKBtn->hide();
        NOBtn->hide();
    });
    uninstaller::removeInstallation();
    platform::guarded([this] {
        ProgCount = 0;
        Timer->start();
    });
}

void TUnzelmoForm::NOBtnClick()
{
    close();
}

void TUnzelmoForm::TimerTimer()
{
    platform::guarded([this] {
        ProgCount = platform::checkedAdd(ProgCount, 2);
        ProgBar->setValue(ProgCount);
        if (ProgCount >= 100) {
            Label1->setText(QStringLiteral("ゼルモ団　の削除が終了しました"));
            ENDBtn->show();
            Timer->stop();
        }
    });
}

void TUnzelmoForm::ENDBtnClick()
{
    close();
}

void TUnzelmoForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (QScreen *where = screen()) {
        QRect outer(QPoint(0, 0), outerSize);
        outer.moveCenter(where->availableGeometry().center());
        move(outer.topLeft());
    }
    fitOuterSize();
}

void TUnzelmoForm::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    fitOuterSize();
}

// The frame is known only once the window manager has framed the window; the client area
// then shrinks so that the window with its frame keeps its outer size.
void TUnzelmoForm::fitOuterSize()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize client = outerSize - frame;
    if (client != size() && client.isValid())
        setFixedSize(client);
}
