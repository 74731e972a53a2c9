// SPDX-License-Identifier: GPL-3.0-or-later
#include "menutable.h"
#include "useraction.h"

#include "comparison.h"
#include "editor.h"
#include "gameexportcommand.h"
#include "gameimportcommand.h"
#include "history.h"
#include "keyhandler.h"
#include "keylist.h"
#include "mapreview.h"
#include "openandsave.h"
#include "planpages.h"
#include "recovery.h"
#include "transcriptmapping.h"

namespace rumbario {

namespace {

QString caption(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

std::vector<Menu> buildMenuTable()
{
    using A = MenuAction;
    return {
        {"fileMenu",
         caption("&Archivo"),
         {
             // N is a key of the map's, but a new map is what Ctrl+N means everywhere else.
             {"fileNew", caption("&Nuevo"), "Ctrl+N", A::New, 0},
             {"fileOpen", caption("&Abrir..."), "Ctrl+A", A::Open, 0},
             {"fileSave", caption("G&uardar"), "Ctrl+S", A::Save, 0},
             {"fileSaveAs", caption("&Guardar como..."), "Ctrl+G", A::SaveAs, 0},
             {"fileExit", caption("Salir (Alt-f4)"), "", A::Exit, 0},
             // No shortcut: every Ctrl+letter already means that letter's key.
             {"fileExportGame", caption("&Exportar juego..."), "", A::Export, 0},
             {"fileExportPicture", caption("Exportar &imagen..."), "", A::ExportPicture, 0},
             // P is no key of the map's.
             {"filePrint", caption("Im&primir..."), "Ctrl+P", A::Print, 0},
             {"fileRecover", caption("&Recuperar mapa..."), "", A::Recover, 0},
             {"fileImportGame", caption("Importar &juego..."), "", A::ImportGame, 0},
             {"fileMapTranscript", caption("&Cartografiar partida..."), "", A::MapTranscript, 0},
             // Shown only while a game is followed.
             {stopFollowingItemName, caption("&Dejar de seguir la partida"), "", A::StopFollowing,
              0},
         }},
        {"editMenu",
         caption("&Edición"),
         {
             {undoItemName, caption("&Deshacer"), "Ctrl+Z", A::Undo, 0},
             {redoItemName, caption("&Rehacer"), "Ctrl+Y; Ctrl+Shift+Z", A::Redo, 0},
         }},
        {"mapMenu",
         caption("&Mapa"),
         {
             // F4 and Shift+F6 are no keys of the map's.
             {"mapReview", caption("&Revisar mapa"), "F4", A::ReviewMap, 0},
             {"mapWayToRoom", caption("&Camino hasta una sala..."), "Shift+F6", A::WayToRoom, 0},
             {"mapTestWalk", caption("Recorrido de &prueba..."), "", A::TestWalk, 0},
             {"mapCompare", caption("C&omparar con otro mapa..."), "", A::CompareMaps, 0},
             {"mapCheckGame", caption("Comprobar p&artida..."), "", A::CheckGame, 0},
             {joinLoopsItemName, caption("&Unir al cerrar un bucle"), "", A::ToggleJoinLoops, 0,
              true},
         }},
        {"optionsMenu",
         caption("&Opciones"),
         {
             {"optionsToggleMode", caption("&Alternar modo creación (espacio)"), "", A::SendKey,
              Qt::Key_Space},
             {"optionsOpenOrSave", caption("A&brir / guardar"), "F2", A::SendKey, Qt::Key_F2},
             {"optionsRebase", caption("&Reajustar coordenadas"), "F3", A::SendKey, Qt::Key_F3},
             {"optionsFind", caption("B&uscar texto"), "F5", A::SendKey, Qt::Key_F5},
             {"optionsGoToRoom", caption("&Ir a sala"), "F6", A::SendKey, Qt::Key_F6},
             {coordinatesItemName, coordinatesCaption(true), "F7", A::ToggleCoordinates, 0},
             // F8: no key of the described program uses it.
             {"optionsFitPlan", caption("Ajustar &plano"), "F8; Ctrl+0", A::FitPlan, 0},
             // Ctrl with +, - and 0 zooms as in every viewer; the map's keys do not use them.
             {"optionsZoomIn", caption("Acercar pla&no"), "Ctrl++; Ctrl+=", A::ZoomIn, 0},
             {"optionsZoomOut", caption("Ale&jar plano"), "Ctrl+-", A::ZoomOut, 0},
             // F9, no key of the described program either: for those who cannot see the plan.
             {"optionsSayAround", caption("&Decir qué hay alrededor"), "F9", A::SendKey,
              Qt::Key_F9},
             {"optionsDescribe", caption("&Insertar texto t"), "", A::SendKey, Qt::Key_T},
             {"optionsDeleteLastRoom", caption("&Eliminar última sala supr"), "", A::SendKey,
              Qt::Key_Delete},
             {"optionsLinkRooms", caption("&Conectar salas x"), "", A::SendKey, Qt::Key_X},
             {"optionsRemoveExit", caption("&Eliminar conexión z"), "", A::SendKey, Qt::Key_Z},
         }},
        {"helpMenu",
         caption("A&yuda"),
         {
             {"helpKeyboardCommands", caption("&Comandos de teclado"), "F1", A::SendKey,
              Qt::Key_F1},
             {"helpKeyList", caption("&Teclas de Rumbario"), "", A::KeyList, 0},
         }},
    };
}

} // namespace

const std::vector<Menu> &menuTable()
{
    static const std::vector<Menu> menus = buildMenuTable();
    return menus;
}

QString coordinatesCaption(bool shown)
{
    return shown ? QStringLiteral("Ocultar coordenadas") : QStringLiteral("Mostrar coordenadas");
}

void runMenuItem(Editor &editor, const MenuItem &item)
{
    switch (item.action) {
    case MenuAction::SendKey:
        handleMapKey(editor, item.keyCode, 0);
        break;
    case MenuAction::New:
        newMap(editor);
        break;
    case MenuAction::Open:
        openPlan(editor);
        break;
    case MenuAction::SaveAs:
        savePlanAs(editor);
        break;
    case MenuAction::Save:
        savePlan(editor);
        break;
    case MenuAction::Exit:
        editor.services.closeMainWindow();
        break;
    case MenuAction::ToggleCoordinates:
        runUserAction(editor, [&editor] { toggleCoordinates(editor); });
        break;
    case MenuAction::FitPlan:
        runUserAction(editor, [&editor] { editor.services.fitPlan(); });
        break;
    case MenuAction::ZoomIn:
        runUserAction(editor, [&editor] { editor.services.zoomPlan(planZoomStep); });
        break;
    case MenuAction::ZoomOut:
        runUserAction(editor, [&editor] { editor.services.zoomPlan(1 / planZoomStep); });
        break;
    case MenuAction::Export:
        exportGame(editor);
        break;
    case MenuAction::ExportPicture:
        exportPlanPicture(editor);
        break;
    case MenuAction::Print:
        printPlan(editor);
        break;
    case MenuAction::MapTranscript:
        mapGameTranscript(editor);
        break;
    case MenuAction::ReviewMap:
        showMapReview(editor);
        break;
    case MenuAction::WayToRoom:
        showWayToRoom(editor);
        break;
    case MenuAction::ToggleJoinLoops:
        runUserAction(editor, [&editor] {
            editor.joinLoops = !editor.joinLoops;
            editor.services.setMenuChecked(joinLoopsItemName, editor.joinLoops);
        });
        break;
    case MenuAction::ImportGame:
        importGameSource(editor);
        break;
    case MenuAction::CompareMaps:
        compareWithOtherMap(editor);
        break;
    case MenuAction::CheckGame:
        checkPlayedGame(editor);
        break;
    case MenuAction::TestWalk:
        writeTestWalk(editor);
        break;
    case MenuAction::StopFollowing:
        runUserAction(editor, [&editor] { stopFollowingTranscript(editor); });
        break;
    case MenuAction::Recover:
        recoverMap(editor);
        break;
    case MenuAction::Undo:
        undoLastAction(editor);
        break;
    case MenuAction::Redo:
        redoLastAction(editor);
        break;
    case MenuAction::KeyList:
        showKeyList(editor);
        break;
    }
}

} // namespace rumbario
