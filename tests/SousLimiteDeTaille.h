#pragma once
// Un travail lancé dans un processus fils dont les fichiers ne peuvent pas dépasser `octets` :
// un disque plein sans remplir le disque. SIGXFSZ ignoré, l'écriture de trop échoue (EFBIG)
// comme sur un disque plein, au lieu de tuer le processus. Rend le code de sortie du fils.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

template <typename Travail>
int SousLimiteDeTaille(rlim_t octets, Travail travail)
{
    const pid_t fils = fork();
    if (fils == 0) {
        const rlimit limite{octets, octets};
        signal(SIGXFSZ, SIG_IGN);
        if (setrlimit(RLIMIT_FSIZE, &limite) != 0)
            _exit(126);
        _exit(travail());
    }
    int etat = 0;
    if (fils < 0 || waitpid(fils, &etat, 0) != fils)
        return -1;
    return WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
}
