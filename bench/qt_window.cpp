// The yardstick of the start-up benchmark: a Qt program that shows one
// empty window, says so on standard output, and ends.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(500, 360);
  window.show();
  QTimer::singleShot(0, &application, [] {
    std::printf("window shown\n");
    std::fflush(stdout);
    QApplication::quit();
  });
  return QApplication::exec();
}
