#include <cstdio>

int main() {
    std::fputs("quorvel: the game cannot start yet: its window and screens are not built.\n", stderr);
    return 1;
}
