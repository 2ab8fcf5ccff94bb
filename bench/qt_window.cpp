// The yardstick of the start-up benchmark: a Qt program that shows one
// empty window and ends as soon as it is shown.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(500, 360);
  window.show();
  QTimer::singleShot(0, &application, &QApplication::quit);
  return QApplication::exec();
}
