#include "ui/toolkit/MDialog.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cassert>

#include "ui/toolkit/CCheckButton.h"
#include "ui/toolkit/ControlFactory.h"
#include "ui/toolkit/Manager.h"
#include "ui/toolkit/ModalHooks.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {

// The dialog's notice line, drawn above every control and letting the pointer through.
class MessageLineView : public QWidget {
  public:
    explicit MessageLineView(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void Set(const std::string& text, int fontSize) {
        text_ = text;
        fontSize_ = fontSize;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        TextStyle style;
        style.fontSize = fontSize_;
        style.align = kAlignCenter;
        style.valign = kVAlignCenter;
        skin::FillRounded(painter, QRectF(rect()), skin::Color(kColorCard),
                          skin::Color(skin::kBorder), 8);
        skin::DrawText(painter, rect().adjusted(8, 4, -8, -4), text_, style);
    }

  private:
    std::string text_;
    int fontSize_ = 16;
};

MDialog::MDialog() = default;

MDialog::~MDialog() {
    DestroyWindow();
}

std::intptr_t MDialog::OnWindowMessage(std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

int MDialog::OnInitDialog() {
    return 1;
}

void MDialog::InitUI(int, int, int, int) {}

void MDialog::UISize(int, int, int, int) {}

int MDialog::OnMessage(int, int, std::intptr_t) {
    return 0;
}

int MDialog::OnDestroy() {
    return 0;
}

void MDialog::DoOK() {
    EndModal(kIdOk);
}

void MDialog::DoCancel() {
    EndModal(kIdCancel);
}

MControl* MDialog::CreateControl(std::string_view className, int id, const MRect& rect,
                                 const std::string& image, MControl* parent) {
    std::unique_ptr<MControl> control = MakeControl(className);
    if (!control) {
        return nullptr;
    }
    MControl* created = control.get();
    AddControl(std::move(control), id, rect, image, parent);
    return created;
}

void MDialog::AddControl(std::unique_ptr<MControl> control, int id, const MRect& rect,
                         const std::string& image, MControl* parent) {
    MControl* added = control.get();
    {
        auto lock = added->Lock();
        added->rect_ = rect;
        added->image_ = image;
    }
    added->Attach(this, id, parent);
    {
        std::lock_guard lock(controlsMutex_);
        if (id > 0 && std::find(sharedIds_.begin(), sharedIds_.end(), id) == sharedIds_.end() &&
            std::any_of(controls_.begin(), controls_.end(),
                        [id](const auto& existing) { return existing->GetID() == id; })) {
            idClashes_.push_back(id);
            assert(!"two controls of one dialog share an id");
        }
        controls_.push_back(std::move(control));
    }
    if (View() != nullptr) {
        added->CreateView(View());
        if (messageView_ != nullptr) {
            messageView_->raise();
        }
    }
}

MControl* MDialog::GetControl(int id) const {
    std::lock_guard lock(controlsMutex_);
    for (const auto& control : controls_) {
        if (control->GetID() == id) {
            return control.get();
        }
    }
    return nullptr;
}

void MDialog::AllowSharedId(int id) {
    std::lock_guard lock(controlsMutex_);
    sharedIds_.push_back(id);
}

std::vector<int> MDialog::IdClashes() const {
    std::lock_guard lock(controlsMutex_);
    return idClashes_;
}

std::vector<MControl*> MDialog::GetControls() const {
    std::lock_guard lock(controlsMutex_);
    std::vector<MControl*> all;
    all.reserve(controls_.size());
    for (const auto& control : controls_) {
        all.push_back(control.get());
    }
    return all;
}

void MDialog::ForEachChild(const MControl* container,
                           const std::function<void(MControl&)>& visit) const {
    for (MControl* control : GetControls()) {
        if (control->GetParent() == container) {
            visit(*control);
        }
    }
}

std::vector<CCheckButton*> MDialog::GetGroupChecked(const std::string& group) const {
    std::lock_guard groupLock(groupsMutex_);
    std::vector<CCheckButton*> checked;
    for (MControl* control : GetControls()) {
        auto* member = dynamic_cast<CCheckButton*>(control);
        if (member != nullptr && member->GetCheck() && member->GetGroupName() == group) {
            checked.push_back(member);
        }
    }
    return checked;
}

void MDialog::SetMessage(const std::string& text, const MRect& rect, int fontSize) {
    {
        std::lock_guard lock(messageMutex_);
        message_ = text;
        messageRect_ = rect;
        messageFontSize_ = fontSize;
    }
    if (Manager::OnGuiThread()) {
        ApplyMessageLine();
    } else {
        PostToGui([this] { ApplyMessageLine(); });
    }
}

std::string MDialog::GetMessage() const {
    std::lock_guard lock(messageMutex_);
    return message_;
}

void MDialog::ApplyMessageLine() {
    if (messageView_ == nullptr) {
        return;
    }
    std::string text;
    MRect rect;
    int fontSize = 16;
    {
        std::lock_guard lock(messageMutex_);
        text = message_;
        rect = messageRect_;
        fontSize = messageFontSize_;
    }
    messageView_->setGeometry(rect.left, rect.top, std::max(0, rect.Width()),
                              std::max(0, rect.Height()));
    messageView_->Set(text, fontSize);
    messageView_->setVisible(!text.empty());
    messageView_->raise();
}

void MDialog::LoadBKImage(const std::string& name) {
    backImage_ = name;
    if (View() != nullptr) {
        View()->update();
    }
}

void MDialog::SetBackMode(int mode, int margin) {
    backMode_ = mode;
    backMargin_ = margin;
}

void MDialog::SetBackColor(std::uint32_t rgb) {
    backColor_ = (rgb >> 24) == 0 ? (rgb | 0xFF000000u) : rgb;
    if (View() != nullptr) {
        View()->update();
    }
}

void MDialog::SetLayeredWindow(bool layered) {
    layered_ = layered;
    if (View() != nullptr) {
        View()->setAttribute(Qt::WA_TranslucentBackground, layered);
    }
}

void MDialog::EnableWndDrag(bool enable) {
    drag_ = enable;
}

void MDialog::SetMTimer(int milliseconds) {
    timerInterval_ = std::max(1, milliseconds);
    if (timer_ != nullptr) {
        timer_->setInterval(timerInterval_);
    }
}

void MDialog::JoinTimer(MControl* control) {
    if (std::find(animated_.begin(), animated_.end(), control) == animated_.end()) {
        animated_.push_back(control);
    }
    if (timer_ != nullptr && !timer_->isActive()) {
        timer_->start(timerInterval_);
    }
}

void MDialog::OnCreated() {
    QWidget* view = View();
    timer_ = new QTimer(view);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
        for (MControl* control : animated_) {
            control->OnTimer();
        }
    });
    messageView_ = new MessageLineView(view);
    messageView_->hide();
    for (MControl* control : GetControls()) {
        control->CreateView(view);
    }
    laidOutWidth_ = view->width();
    laidOutHeight_ = view->height();
    InitUI(0, 0, laidOutWidth_, laidOutHeight_);
    ApplyMessageLine();
    if (!animated_.empty()) {
        timer_->start(timerInterval_);
    }
    OnInitDialog();
}

void MDialog::OnResized(int width, int height) {
    if (width == laidOutWidth_ && height == laidOutHeight_) {
        return;
    }
    laidOutWidth_ = width;
    laidOutHeight_ = height;
    UISize(0, 0, width, height);
}

void MDialog::PaintBackground(QPainter& painter, int width, int height) {
    QRect all(0, 0, width, height);
    if (layered_) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(all, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    bool drawn = backMode_ == 1 ? skin::DrawFramedImage(painter, backImage_, backMargin_, all)
                                : skin::DrawImage(painter, backImage_, 1, 0, all);
    if (drawn) {
        return;
    }
    if (layered_) {
        skin::FillRounded(painter, QRectF(all), skin::Color(backColor_), skin::Color(skin::kBorder),
                          10);
    } else {
        painter.fillRect(all, skin::Color(backColor_ | 0xFF000000u));
    }
}

void MDialog::BeforeDestroy() {
    OnDestroy();
    // Gone now, not with the window's view later: their pending calls die with them.
    delete timer_;
    timer_ = nullptr;
    animated_.clear();
    delete messageView_;
    messageView_ = nullptr;
    // Hidden first, so that no field takes the focus (and calls back) while others go; then
    // the newest first, so that containers outlive what they hold.
    if (View() != nullptr) {
        View()->hide();
    }
    std::vector<std::unique_ptr<MControl>> doomed;
    {
        std::lock_guard lock(controlsMutex_);
        doomed.swap(controls_);
    }
    while (!doomed.empty()) {
        doomed.pop_back();
    }
}

void MDialog::AnnounceModalRun() {
    PostToGui([this] { modal_hooks::Serve(*this); });
}

}  // namespace quillon
