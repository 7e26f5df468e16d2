#include "windows/Splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/Pictures.h"

namespace virano {

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Image1(new QLabel(this)) {
  setObjectName(QStringLiteral("SplashForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kSplashWidth, kSplashHeight);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, kSplashWidth, kSplashHeight);
  Image1->setPixmap(SplashPicture());
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
  }
}

}  // namespace virano
