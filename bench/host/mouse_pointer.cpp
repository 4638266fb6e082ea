#include "bench/host/mouse_pointer.h"

#include <cmath>

namespace bench {

namespace {

struct button_flags {
    FLAGS32 click;
    FLAGS32 drag;
    FLAGS32 release;
};

button_flags flags_of(mouse_button button) {
    switch (button) {
        case mouse_button::right:
            return {MOUSE_RIGHTSINGLE, MOUSE_RIGHTDRAG, MOUSE_RIGHTRELEASE};
        case mouse_button::middle:
            return {MOUSE_MIDDLESINGLE, MOUSE_MIDDLEDRAG, MOUSE_MIDDLERELEASE};
        case mouse_button::left:
            break;
    }
    return {MOUSE_LEFTSINGLE, MOUSE_LEFTDRAG, MOUSE_LEFTRELEASE};
}

}  // namespace

FLAGS32 click_flag(mouse_button button) {
    return flags_of(button).click;
}

FLAGS32 drag_flag(mouse_button button) {
    return flags_of(button).drag;
}

FLAGS32 release_flag(mouse_button button) {
    return flags_of(button).release;
}

const mouse_area* mouse_pointer::press(gauge_placement& placement, PIXPOINT point,
                                       mouse_button button, PIXPOINT window_point) {
    release();
    const mouse_area* area = placement.mouse().child_at(point, click_flag(button));
    if (area == nullptr) {
        return nullptr;
    }
    placement_ = &placement;
    area_ = area;
    button_ = button;
    point_ = point;
    window_offset_ = {window_point.x - point.x, window_point.y - point.y};
    held_seconds_ = 0.0;
    repeats_sent_ = 0;
    act(click_flag(button));
    return area;
}

void mouse_pointer::hold(double seconds) {
    if (area_ == nullptr || seconds <= 0.0 ||
        (static_cast<FLAGS32>(area_->rect->mouse_flags) & MOUSE_DOWN_REPEAT) == 0) {
        return;
    }
    held_seconds_ += seconds;
    const int due = static_cast<int>(std::floor(held_seconds_ * repeat_rate_hz));
    while (repeats_sent_ < due && area_ != nullptr) {
        ++repeats_sent_;
        act(click_flag(button_) | MOUSE_DOWN_REPEAT);
    }
}

void mouse_pointer::move(PIXPOINT point) {
    if (area_ == nullptr) {
        return;
    }
    point_ = point;
    if ((static_cast<FLAGS32>(area_->rect->mouse_flags) & drag_flag(button_)) != 0) {
        act(drag_flag(button_));
    }
}

void mouse_pointer::release() {
    if (area_ == nullptr) {
        return;
    }
    if ((static_cast<FLAGS32>(area_->rect->mouse_flags) & release_flag(button_)) != 0) {
        act(release_flag(button_));
    }
    placement_ = nullptr;
    area_ = nullptr;
}

void mouse_pointer::act(FLAGS32 flags) {
    MOUSERECT& rect = *area_->rect;
    if (rect.mouse_function == nullptr) {
        if ((flags & (MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE | MOUSE_MIDDLESINGLE)) != 0) {
            services_.trigger_key_event(static_cast<ID32>(rect.event_id), 0);
        }
        return;
    }
    MOUSECALLBACK record{};
    record.relative_point = {point_.x - area_->box.x, point_.y - area_->box.y};
    record.user_data = &placement_->header();
    record.mouse = &rect;
    record.screen_point = {point_.x + window_offset_.x, point_.y + window_offset_.y};
    rect.mouse_function(&record.relative_point, flags);
}

}  // namespace bench
