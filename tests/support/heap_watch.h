// Watches this process's heap: the bytes held in blocks not yet freed, and
// the allocations made between StartCounting and StopCounting (every
// malloc, calloc, realloc and aligned allocation, from any library, and so
// every operator new). Allocations made while an Uncounted object lives are
// not counted; a Counted object counts again inside such a stretch.
#ifndef TESSALINE_TESTS_SUPPORT_HEAP_WATCH_H
#define TESSALINE_TESTS_SUPPORT_HEAP_WATCH_H

namespace heap_watch {

long long LiveBytes();

void StartCounting();
long StopCounting();  // the allocations counted since StartCounting

class Uncounted {
public:
    Uncounted();
    ~Uncounted();
    Uncounted(const Uncounted&) = delete;
    Uncounted& operator=(const Uncounted&) = delete;

private:
    int saved;
};

class Counted {
public:
    Counted();
    ~Counted();
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;

private:
    int saved;
};

}  // namespace heap_watch

#endif  // TESSALINE_TESTS_SUPPORT_HEAP_WATCH_H
