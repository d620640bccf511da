#include "platform/formcontrols/form_controls.h"

class FormControls::View : public DrawableControl {
  public:
    explicit View(host::ui::Control& control) : control_(control) {}

    std::string ContainerName() const override {
        return control_.Parent() ? control_.Parent()->Name() : std::string();
    }
    std::string TypeName() const override { return control_.TypeName(); }
    bool Visible() const override { return control_.Visible(); }
    std::int32_t Left() const override { return control_.Left(); }
    std::int32_t Top() const override { return control_.Top(); }
    std::int32_t Width() const override { return control_.Width(); }
    std::int32_t Height() const override { return control_.Height(); }
    host::gdi::DeviceContext* HDC() override {
        return const_cast<host::gdi::DeviceContext*>(control_.look());
    }
    void HDCDelete() override {}

  private:
    host::ui::Control& control_;
};

FormControls::FormControls(host::ui::Form& form) {
    for (host::ui::Control* child : form.children())
        add(*child);
}

FormControls::~FormControls() = default;

void FormControls::add(host::ui::Control& control) {
    if (auto* drawable = dynamic_cast<DrawableControl*>(&control)) {
        list_.push_back(drawable);
    } else {
        views_.push_back(std::make_unique<View>(control));
        list_.push_back(views_.back().get());
    }
    for (host::ui::Control* child : control.children())
        add(*child);
}
