// The reference of the start-up benchmark: the smallest Qt Core program that prints a line.

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::puts("hello");
    return 0;
}
