// Les tests qui ouvrent des fenêtres tournent hors écran, dans l'application du programme.
#include <gtest/gtest.h>

#include "fenetres/AideDialogues.h"
#include "fenetres/ApplicationKovra.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplicationKovra app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    RemplaceQuestionneur(QuestionInattendue());
    return RUN_ALL_TESTS();
}
