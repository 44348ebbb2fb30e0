#include <cstdio>

int main()
{
    std::puts("zelmo_dan: the game is not built yet.");
    return 0;
}
