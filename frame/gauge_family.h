// A family of gauges built from the rows of one table. Every row is a gauge with records of its
// own (the host copies and changes them per gauge), made from its row by the same builder: a
// family file holds the rows, one record set per row (a struct of the row's elements and mouse
// list), and the headers.
//
//   struct switch_records { ELEMENT_STATIC_IMAGE base; ELEMENT_ICON lever; MOUSERECT mouse[4]; };
//   extern std::array<switch_records, N> switches;      // declared first: the tree can be
//                                                       // written root first
//   constinit std::array<GAUGEHDR, N> switch_gauges = gauge_family<N>([](auto row) {
//       return gauge_header({.name = rows[row].name,
//                            .elements = row_element_list<switches, row, &switch_records::base>,
//                            ...});
//   });
//   constinit std::array<switch_records, N> switches = family_records<switch_records, N>(
//       [](auto row) { return switch_records{...}; });
//
// `row` is a `family_row<I>`: usable as an index and as a template argument (for a mouse
// function or a sound slot of the row's own).
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "frame/host_abi.h"

template <std::size_t I>
using family_row = std::integral_constant<std::size_t, I>;

// The N records of a family, record I built by `of_row(family_row<I>{})`.
template <typename Record, std::size_t N, typename OfRow>
constexpr std::array<Record, N> family_records(OfRow of_row) {
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<Record, N>{of_row(family_row<I>{})...};
    }
    (std::make_index_sequence<N>{});
}

// The headers of a family of N gauges.
template <std::size_t N, typename HeaderOfRow>
constexpr std::array<GAUGEHDR, N> gauge_family(HeaderOfRow header_of_row) {
    return family_records<GAUGEHDR, N>(header_of_row);
}
