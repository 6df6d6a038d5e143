#include "tour_support.h"

#include "corekit/widgets/dialog_ext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

namespace TourSupport {

namespace {
constexpr int kModalWaitMs = 10000;
}

void WhenModalOpens(std::function<void(QWidget*)> action, std::shared_ptr<bool> cancelled) {
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, waited, action, cancelled] {
        const bool stop = cancelled && *cancelled;
        QWidget* modal = stop ? nullptr : QApplication::activeModalWidget();
        if (!stop && !modal && waited->elapsed() < kModalWaitMs)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            action(modal);
    });
    timer->start(10);
}

void Wait(int milliseconds) {
    WaitFor([] { return false; }, milliseconds);
}

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

QAbstractButton* ShownSymbolButton(QWidget* window) {
    constexpr int kFirstSymbolButton = 5000;
    QAbstractButton* button = nullptr;
    const bool shown = WaitFor(
        [&] {
            button = window ? DialogButton(window, kFirstSymbolButton) : nullptr;
            return button && button->isVisible();
        },
        5000);
    return shown ? button : nullptr;
}

void Settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

QString Expect(bool ok, const QString& why) {
    return ok ? QString() : why;
}

QAbstractButton* DialogButton(QWidget* window, int id) {
    auto* button = DialogControl<QAbstractButton>(window, id);
    return button ? button : window->findChild<QAbstractButton*>(QString::number(id));
}

template <typename Control> Control* DialogControl(QWidget* window, int id) {
    auto* dialog = qobject_cast<CDialogExt*>(window);
    return dialog ? qobject_cast<Control*>(dialog->GetDlgItem(id)) : nullptr;
}

template QAbstractButton* DialogControl<QAbstractButton>(QWidget*, int);
template QComboBox* DialogControl<QComboBox>(QWidget*, int);
template QLineEdit* DialogControl<QLineEdit>(QWidget*, int);
template QPlainTextEdit* DialogControl<QPlainTextEdit>(QWidget*, int);
template QWidget* DialogControl<QWidget>(QWidget*, int);

} // namespace TourSupport
