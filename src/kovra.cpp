#include <cstdio>

int main()
{
    std::puts("Kovra : la fenêtre principale n'est pas encore construite ; rien ne s'ouvre pour l'instant.");
    return 0;
}
