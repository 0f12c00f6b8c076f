#include "support/PageTestHost.h"

#include <gtest/gtest.h>

namespace quillon::test {

// The window: routes control events to the page, as the main window does.
class PageTestHost::Window : public MDialog {
  public:
    explicit Window(PageTestHost& host) : host_(host) {}

    int OnMessage(int controlId, int event, std::intptr_t param) override {
        return host_.router_.Dispatch(controlId, event, param);
    }
    // Posted messages (the popup menus' choices) go to the page first, as in the main window.
    std::intptr_t OnWindowMessage(std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) override {
        std::intptr_t result = 0;
        if (host_.page_ && host_.page_->OnWindowMessage(message, wParam, lParam, result)) {
            return result;
        }
        return MDialog::OnWindowMessage(message, wParam, lParam);
    }
    void UISize(int, int, int right, int bottom) override {
        host_.uiScale = static_cast<float>(bottom) / 780.0f;
        if (host_.area_ != nullptr) {
            host_.area_->SetRect({1, 110, right - 1, bottom - 50});
        }
        if (host_.page_) {
            host_.page_->Place(right, bottom, host_.uiScale);
        }
    }

  private:
    PageTestHost& host_;
};

PageTestHost::PageTestHost() : window_(std::make_unique<Window>(*this)) {
    EXPECT_TRUE(store.OpenForDevice(dataFolder.path(), "Q1"));
    activeProfile = store.EnsureDefaultProfiles();
    window_->Create(nullptr, "Page test", kWsPopup, 0, {0, 0, 1121, 780});
    area_ = window_->CreateControl<MTabLayout>(50, {1, 110, 1120, 730});
}

PageTestHost::~PageTestHost() {
    window_->DestroyWindow();
    page_.reset();
}

Page& PageTestHost::Install(std::unique_ptr<Page> page) {
    page_ = std::move(page);
    Page* target = page_.get();
    EXPECT_TRUE(router_.Route(page_->Ids(), "page", [target](int id, int event, std::intptr_t p) {
        return target->OnMessage(id, event, p);
    }));
    page_->Build(*area_);
    page_->Place(1121, 780, uiScale);
    page_->Refresh();
    EXPECT_TRUE(window_->IdClashes().empty());
    return *page_;
}

int PageTestHost::Send(int controlId, int event, std::intptr_t param) {
    return window_->OnMessage(controlId, event, param);
}

int PageTestHost::Click(int controlId, std::intptr_t param) {
    return Send(controlId, kEventClick, param);
}

void PageTestHost::Resize(int width, int height) {
    window_->UISize(0, 0, width, height);
}

MDialog& PageTestHost::Dialog() {
    return *window_;
}

void PageTestHost::SetActiveProfile(int profile) {
    activeProfile = profile;
    store.SetActiveProfile(profile);
}

int PageTestHost::ShowMessageBox(int titleId, int textId, int style) {
    boxes.push_back({titleId, textId, style});
    return NextAnswer();
}

int PageTestHost::NextAnswer() {
    if (answers.empty()) {
        return kIdOk;
    }
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

int PageTestHost::ShowMessageText(int titleId, const std::string& text, int style) {
    textBoxes.push_back({titleId, text, style});
    return NextAnswer();
}

void PageTestHost::PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    {
        std::lock_guard lock(postedMutex);
        posted.push_back({message, wParam, lParam});
    }
    if (deliverPosted) {
        window_->PostMessage(message, wParam, lParam);
    }
}

Page* PageTestHost::FindPage(PageKind kind) {
    return page_ && page_->Kind() == kind ? page_.get() : nullptr;
}

}  // namespace quillon::test
