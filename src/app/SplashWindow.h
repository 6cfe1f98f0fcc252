#pragma once
// The splash window: the animation "splash.avi" beside the program when it
// is there, else a still picture; then a one-second wait.

#include <QWidget>

class QTimer;
class TPicture;

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);
    ~TfrmSplash() override;

    // Shows the window, plays the animation (or shows the still picture)
    // and waits a second, handling events meanwhile. Returns when the wait
    // is over.
    void Run();

    TPicture* imgLogo = nullptr;
    TPicture* imgSplash = nullptr;
    QTimer* timWait = nullptr;

private:
    void Wait();
    bool waiting_ = false;
};
