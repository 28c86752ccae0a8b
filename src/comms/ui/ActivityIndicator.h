#pragma once

#include <QProgressBar>

// The moving bar that shows the handheld is being talked to (the dialogs'
// file-copy and file-delete animations): busy while running, still and
// full once stopped.
class ActivityIndicator : public QProgressBar {
    Q_OBJECT

public:
    explicit ActivityIndicator(QWidget* parent = nullptr);

    void start();
    void stop();
    bool isRunning() const { return running_; }

private:
    bool running_ = false;
};
