#include "errorreport.h"

#include "application.h"
#include "errormessage.h"

#include <QMessageBox>
#include <QWidget>

namespace Tagovnik {

void reportError(const QString &message)
{
    // A half-done drag or press is abandoned, so the box can take the mouse.
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (QWidget *grabber = QWidget::keyboardGrabber())
        grabber->releaseKeyboard();

    QMessageBox box(QMessageBox::Critical, Application::title(), ErrorMessage::forDisplay(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace Tagovnik
