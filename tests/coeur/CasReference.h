#pragma once
// Côté Qt des cas de référence : la comparaison elle-même est commune avec le noyau.
#include "AffichageQt.h"
#include "ComparaisonReference.h"
