#include "form1definition.h"

#include "Unit1.h"

// The command table binds the window's handlers, so it alone needs the window's class; the
// rest of the definition is plain data that the window reads.
namespace Tagovnik {

namespace Form1Definition {

static constexpr QKeyCombination none = QKeyCombination(Qt::Key(0));
static constexpr QKeyCombination ctrl(Qt::Key key)
{
    return QKeyCombination(Qt::ControlModifier, key);
}

std::span<const CommandListDefinition> commandLists()
{
    static constexpr CommandListDefinition lists[] = {
        {u"ActionManager1", ImageListId::ImageList1, u"Ribbon - Silver"},
        {u"ActionManager2", ImageListId::ImageList2, u"Platform Default"},
        {u"ActionManager3", ImageListId::ImageList3, u"Platform Default"},
    };
    return lists;
}

std::span<const CommandDefinition> commands()
{
    // clang-format off
    static const CommandDefinition table[] = {
        {0, u"Action6", CommandKind::TAction, {}, u"Zpět", u"O krok zpět", 9, none, false, &TForm1::Action6Execute},
        {0, u"akzualizovat", CommandKind::TAction, {}, u"Aktualizovat", u"Aktualizovat stránku", 7, none, false, &TForm1::akzualizovatExecute},
        {0, u"Vpred", CommandKind::TAction, {}, u"Vpřed", u"O krok vpřed", 6, none, false, &TForm1::VpredExecute},
        {0, u"stop", CommandKind::TAction, {}, u"Stop", u"Zastavit akci", 8, none, false, &TForm1::stopExecute},
        {0, u"web1", CommandKind::TAction, {}, u"Tagovnik", u"Zobrazit program Tagovnik 2.1", 10, none, false, &TForm1::web1Execute},
        {0, u"web2", CommandKind::TAction, {}, u"Tagovnik on-line", u"Tagovnik na internetu", 10, none, false, &TForm1::web2Execute},
        {0, u"web3", CommandKind::TAction, {}, u"Orvalis", u"Stránky Orvalis", 10, none, false, &TForm1::web3Execute},
        {0, u"web4", CommandKind::TAction, {}, u"Velmora", u"Projekt Velmora", 10, none, false, &TForm1::web4Execute},
        {0, u"web5", CommandKind::TAction, {}, u"Zákaznická podpora", u"Přejít na zákaznickou podporu", 10, none, false, &TForm1::web5Execute},
        {0, u"web6", CommandKind::TAction, {}, u"Tipy a triky", u"Tipy a triky s programem nebo jak programovat stránky", 10, none, false, &TForm1::web6Execute},
        {0, u"EditPaste1", CommandKind::TEditPaste, u"Edit", u"&Vložit", u"Vložit", 5, ctrl(Qt::Key_V), false, nullptr},
        {0, u"EditCut1", CommandKind::TEditCut, u"Edit", u"Výjmout", u"Výjmout", 2, ctrl(Qt::Key_X), false, nullptr},
        {0, u"Action2", CommandKind::TAction, {}, u"Offline", {}, -1, none, true, &TForm1::Action2Execute},
        {0, u"Aktualizace", CommandKind::TAction, {}, u"Aktualizace", u"Aktualizovat program", 0, none, false, &TForm1::AktualizaceExecute},
        {1, u"PrintDlg1", CommandKind::TPrintDlg, u"Dialog", u"&Tisk", u"Tisknout stránku", 13, ctrl(Qt::Key_P), false, nullptr},
        {1, u"Action1", CommandKind::TAction, u"Dialog", u"Poslat příteli", u"Doporučit program prátelům", 12, none, false, &TForm1::Action1Execute},
        {1, u"SearchFind1", CommandKind::TSearchFind, u"Search", u"Najít", u"Najít na stránce", 3, ctrl(Qt::Key_F), false, nullptr},
        {1, u"SearchFindNext1", CommandKind::TSearchFindNext, u"Search", u"Najít další", u"Najít další", 14, QKeyCombination(Qt::Key_F3), false, nullptr},
        {1, u"Action3", CommandKind::TAction, {}, u"Nápověda", u"Nápověda k programu", 4, none, false, &TForm1::Action3Execute},
        {1, u"Action4", CommandKind::TAction, {}, u"O programu", u"O tomto programu", 10, none, false, &TForm1::Action4Execute},
        {1, u"Action7", CommandKind::TAction, {}, u"Konec", {}, -1, none, false, &TForm1::Action7Execute},
        {2, u"domu", CommandKind::TAction, {}, u"Domů", u"Přejít zpět na program Tagovnik", 11, none, false, &TForm1::domuExecute},
        {2, u"EditCopy1", CommandKind::TEditCopy, u"Edit", u"&Kopírovat", u"Kopírovat", 1, ctrl(Qt::Key_C), false, nullptr},
        {2, u"Action5", CommandKind::TAction, {}, u"Aktualizace", u"Aktualizovat program", 0, none, false, &TForm1::Action5Execute},
    };
    // clang-format on
    return table;
}

} // namespace Form1Definition

} // namespace Tagovnik
