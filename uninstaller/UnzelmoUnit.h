#pragma once
// The uninstaller's one window: asks whether the game is to be removed, removes it, fills the
// progress bar and reports that the removal is complete.

#include <QWidget>

#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

class TUnzelmoForm : public QWidget
{
    Q_OBJECT

public:
    explicit TUnzelmoForm(QWidget *parent = nullptr);

    QPushButton *OKBtn;
    QPushButton *NOBtn;
    QLabel *Label1;
    QLabel *Label2;
    QProgressBar *ProgBar;
    QTimer *Timer;
    QPushButton *ENDBtn;

public slots:
    // "は　い": the removal, then the progress animation starts.
    void OKBtnClick();
    // "いいえ": closes the window; nothing is changed.
    void NOBtnClick();
    // Every 30 ms after the removal: the bar grows by 2; at 100 the completion text and "O K".
    void TimerTimer();
    // "O K": closes the window.
    void ENDBtnClick();

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void fitOuterSize();

    std::int32_t ProgCount = 0;
};
