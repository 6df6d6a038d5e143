#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace orvane::test {

// A control that is left out of the check on purpose, found by the text that
// DescribeControl gives for it (a part of it is enough), with the reason.
struct AccessException {
    QString control;
    QString reason;
};

// "class 'name'" and the object name or texts that tell a control apart in a failure message.
QString DescribeControl(const QWidget& control);

// The controls of `window` a user can focus or press (enabled and shown within the window) that
// have no accessible name or that Tab never reaches, one line each, less the exceptions. The
// inner parts of a control (the line edit of a spin box, the viewport of a list) count as the
// control itself.
QStringList AccessFaults(const QWidget& window, const std::vector<AccessException>& exceptions = {});

} // namespace orvane::test
