#include "game/template_swap.h"

void SetPawnTemplate(Pawn* pawn, int slot) {
    pawn->Template = &PawnTemplates[slot];
    if (pawn->Frame > pawn->Template->Frames.LastIndex())
        pawn->Frame = 0;
}
