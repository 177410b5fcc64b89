// The frame's editing commands, each forwarded to the active drawing window.

#include "app/mainform.h"
#include "app/mdichild.h"

namespace qel {

void TMainForm::connectEditCommands() {
    auto on = [this](const char* name, std::function<void(TMDIChild&)> operation) {
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, operation] { applyToActive(operation); });
    };
    on("EditCutItem", [this](TMDIChild& c) { c.Couper(ShapeClipboard); });
    on("EditCopyItem", [this](TMDIChild& c) { c.Copier(ShapeClipboard); });
    on("EditPasteItem", [this](TMDIChild& c) { c.Coller(ShapeClipboard); });
    on("EditDeleteItem", [](TMDIChild& c) { c.Supprimer(); });
    on("LockItem", [](TMDIChild& c) { c.Verrouiller(); });
    on("UnlockAllItem", [](TMDIChild& c) { c.Deverrouiller(); });
    on("EraseItem", [](TMDIChild& c) { c.Effacer(); });
    on("CropItem", [](TMDIChild& c) { c.Recadrer(); });
    on("BackgroundItem", [](TMDIChild& c) { c.FondPage(); });
    on("ModifyItem", [this](TMDIChild& c) { c.Modifier(fontNames()); });
    on("GroupItem", [](TMDIChild& c) { c.Grouper(); });
    on("UngroupItem", [](TMDIChild& c) { c.Separer(); });
    on("FrontItem", [](TMDIChild& c) { c.AvPlan(); });
    on("BackItem", [](TMDIChild& c) { c.ArPlan(); });
    on("DownOneItem", [](TMDIChild& c) { c.UnDessous(); });
    on("UpOneItem", [](TMDIChild& c) { c.UnDessus(); });
    on("ChartItem", [](TMDIChild& c) { c.Histogramme(); });
    on("MirrorHItem", [](TMDIChild& c) { c.MiroirH(); });
    on("MirrorVItem", [](TMDIChild& c) { c.MiroirV(); });
    on("Rotation1", [](TMDIChild& c) { c.Rotation(); });
    on("ZoomResetItem", [](TMDIChild& c) { c.ZInit(); });
    on("ZoomInItem", [](TMDIChild& c) { c.ZoomAv(); });
    on("ZoomOutItem", [](TMDIChild& c) { c.ZoomAr(); });
    on("PositionItem", [](TMDIChild& c) { c.Position(); });
    on("SizeItem", [](TMDIChild& c) { c.Taille(); });
    on("AlignItem", [](TMDIChild& c) { c.Aligner(); });
    on("GridStepItem", [](TMDIChild& c) { c.PasdeGrille(); });
    on("EnlargeItem", [](TMDIChild& c) { c.Agrandir(); });
    on("PropertiesItem", [](TMDIChild& c) { c.Proprietes(); });
    on("ObjectListItem", [](TMDIChild& c) { c.Liste(); });
}

} // namespace qel
