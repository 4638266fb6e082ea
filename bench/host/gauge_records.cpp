#include "bench/host/gauge_records.h"

#include <algorithm>
#include <cstring>

#include "bench/host/bench_error.h"

namespace bench {
namespace {

// Bounds beyond which records are taken to be corrupt rather than large.
constexpr int max_tree_depth = 64;
constexpr std::size_t max_elements = 1024;
constexpr UINT32 max_table_points = 4096;
constexpr std::size_t max_list_length = 256;
constexpr std::size_t max_mouse_rects = 1024;

}  // namespace

gauge_records::gauge_records(const GAUGEHDR& gauge, const std::optional<std::string>& parameters)
    : header_(gauge) {
    header_.elements_list = copy_list(gauge.elements_list, nullptr, 0);
    copy_mouse_list(gauge.mouse_rect);
    header_.mouse_rect = mouse_list_.empty() ? nullptr : mouse_list_.data();
    if (parameters) {
        parameters_ = std::make_unique<char[]>(parameters->size() + 1);
        std::memcpy(parameters_.get(), parameters->c_str(), parameters->size() + 1);
    }
    header_.parameters = parameters_.get();
}

PELEMENT_HEADER* gauge_records::copy_list(PELEMENT_HEADER* list, ELEMENT_HEADER* parent,
                                          int depth) {
    if (list == nullptr) {
        return nullptr;
    }
    if (depth > max_tree_depth) {
        throw bench_error("the element tree is deeper than " + std::to_string(max_tree_depth));
    }
    std::size_t length = 0;
    while (list[length] != nullptr) {
        if (++length > max_list_length) {
            throw bench_error("an element list has no null entry");
        }
    }
    auto copy = std::make_unique<PELEMENT_HEADER[]>(length + 1);
    PELEMENT_HEADER* copied_list = copy.get();
    list_storage_.push_back(std::move(copy));
    for (std::size_t i = 0; i < length; ++i) {
        copied_list[i] = copy_element(*list[i], parent, depth);
    }
    copied_list[length] = nullptr;
    return copied_list;
}

ELEMENT_HEADER* gauge_records::copy_element(const ELEMENT_HEADER& original, ELEMENT_HEADER* parent,
                                            int depth) {
    if (element_storage_.size() == max_elements) {
        throw bench_error("the gauge has more than " + std::to_string(max_elements) + " elements");
    }
    auto storage = std::make_unique<any_element>();
    any_element& copy = *storage;
    element_storage_.push_back(std::move(storage));
    std::memcpy(static_cast<void*>(&copy), &original, element_record_size(original.element_type));
    ELEMENT_HEADER& element = copy.header;

    element.gauge_header = &header_;
    element.previous_element = parent;
    if (element.element_type == ELEMENT_TYPE_STRING) {
        ELEMENT_STRING& text = copy.string;
        auto buffer = std::make_unique<char[]>(std::size_t{text.max_string_length} + 1);
        text.string = buffer.get();
        text_buffers_.push_back(std::move(buffer));
    }
    if (element.element_type == ELEMENT_TYPE_NEEDLE && copy.needle.nonlinearity_table != nullptr) {
        ELEMENT_NEEDLE& needle = copy.needle;
        if (needle.nonlinearity_table_size > max_table_points) {
            throw bench_error("a scale table has more than " + std::to_string(max_table_points) +
                              " points");
        }
        auto table = std::make_unique<NONLINEARITY[]>(needle.nonlinearity_table_size);
        std::copy_n(needle.nonlinearity_table, needle.nonlinearity_table_size, table.get());
        needle.nonlinearity_table = table.get();
        tables_.push_back(std::move(table));
    }
    elements_.push_back({&element, depth});
    element.next_element = copy_list(original.next_element, &element, depth + 1);
    return &element;
}

void gauge_records::copy_mouse_list(const MOUSERECT* list) {
    if (list == nullptr) {
        return;
    }
    for (std::size_t i = 0;; ++i) {
        if (i == max_mouse_rects) {
            throw bench_error("the mouse list has no end entry");
        }
        mouse_list_.push_back(list[i]);
        if (list[i].rect_type == MOUSE_RECT_EOL) {
            return;
        }
    }
}

}  // namespace bench
