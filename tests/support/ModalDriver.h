#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>

// Answers the modal windows that the code under test opens in real modal
// loops (QDialog::exec, message boxes), as a user at the screen would: each
// modal window that comes up gets the next step, in order. A window that
// comes when no step is left is rejected and counted as unexpected, so a
// test that goes wrong fails instead of hanging.
class ModalDriver : public QObject {
public:
    using Step = std::function<void(QWidget&)>;

    explicit ModalDriver(std::initializer_list<Step> steps = {}) : steps_(steps) { poll(); }

    void add(Step step) { steps_.push_back(std::move(step)); }
    bool allStepsTaken() const { return steps_.empty(); }

    QStringList met; // class names of the modal windows that came up, in order
    int unexpected = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched == current_)
            current_ = nullptr; // the same dialog shown again counts anew
        return false;
    }

private:
    void poll() {
        QTimer::singleShot(5, this, [this] { look(); });
    }
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        // The next look is due before the step runs: a step may open a
        // modal loop of its own (a message about what it typed).
        poll();
        if (!modal || modal == current_ || !modal->isVisible())
            return;
        current_ = modal;
        modal->installEventFilter(this);
        met << QString::fromLatin1(modal->metaObject()->className());
        if (steps_.empty()) {
            ++unexpected;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        step(*modal);
    }

    std::deque<Step> steps_;
    QPointer<QWidget> current_;
};
