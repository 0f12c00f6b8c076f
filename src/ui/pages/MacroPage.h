#pragma once

#include <memory>
#include <vector>

#include "input/InputCapture.h"
#include "input/MacroEditor.h"
#include "input/MacroItemList.h"
#include "input/MacroNotices.h"
#include "ui/pages/MacroFileChooser.h"
#include "ui/pages/MacroItemEditor.h"
#include "ui/pages/MacroPlayChoices.h"
#include "ui/pages/Page.h"
#include "ui/toolkit/ToolkitTypes.h"

namespace quillon {

class CIconButton;
class CRecordList;
class MacroList;

// The macro page: the macros on the left (new, copy, rename, delete, import, export), the
// selected macro's items on the right with their editor, the recorder and the pause and loop
// choices. Every change is stored at once; the macros reach the mouse with the next apply.
class MacroPage : public Page, private MacroNotices {
  public:
    // `source` gives the recorder its raw input (the desktop's when null); `chooser` asks for
    // macro files (the file dialogs when null).
    explicit MacroPage(PageHost& host, std::unique_ptr<RawInputSource> source = nullptr,
                       std::unique_ptr<MacroFileChooser> chooser = nullptr);
    ~MacroPage() override;

    PageKind Kind() const override { return PageKind::Macros; }
    std::vector<IdRange> Ids() const override;
    void Build(MControl& area) override;
    void Place(int width, int height, float scale) override;
    int OnMessage(int controlId, int event, std::intptr_t param) override;
    // The macro list from the database, the first macro shown (any thread).
    void Refresh() override { RefreshMacroPage(); }
    bool OnWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                         std::intptr_t& result) override;
    void HideMacroEditing() override;

    void RefreshMacroPage();
    // Loads a macro's play settings and items.
    void ShowMacro(int macroId);
    void StartRecording();
    void StopRecording();
    bool IsRecording() const { return capture_.CaptureMode() == InputCapture::kRecording; }

    MacroList* macroList = nullptr;
    CRecordList* itemList = nullptr;
    CIconButton* recordButton = nullptr;
    MacroPlayChoices choices;
    MacroItemEditor editor;

  protected:
    void ApplyOwnTexts() override;

  private:
    void ShowNotice(int titleTextId, int messageTextId) override;
    LanguageContext Language() const;
    int SelectedMacro() const;
    MacroItemList ListOfPage() const;
    void ShowItems(const std::vector<MacroItem>& items, int selection);
    void StoreItems(const MacroItemList& list);
    void SaveHeader();
    void SetPageLocked(bool locked);
    bool PointerOnRecordButton(int x, int y) const;
    void TellLimitationOnce();

    void OnMacroListEvent(int event, std::intptr_t param);
    void OnItemListEvent(int event, std::intptr_t param);
    void OpenMenu(unsigned message, const std::vector<std::pair<int, int>>& items, int x, int y);
    void OnMacroMenu(int choice);
    void OnInsertMenu(int choice);
    void OnItemMenu(int choice);
    void NewMacro();
    void ImportMacro();
    void ExportMacro();
    void OnRawInput(std::uintptr_t handle);

    std::unique_ptr<MacroFileChooser> chooser_;
    InputCapture capture_;
    MacroEditor macros_;
    MControl* area_ = nullptr;
    // The page's own controls with their rectangles in design coordinates.
    std::vector<std::pair<MControl*, MRect>> layout_;
    bool limitationTold_ = false;
};

}  // namespace quillon
