#include "comms/ui/ActivityIndicator.h"

ActivityIndicator::ActivityIndicator(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    stop();
}

void ActivityIndicator::start() {
    running_ = true;
    setRange(0, 0); // no range: the bar moves to and fro
}

void ActivityIndicator::stop() {
    running_ = false;
    setRange(0, 1);
    setValue(1);
}
