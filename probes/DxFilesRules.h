#pragma once
// The DirectX version from the versions of DirectX files: a fixed table of (file, minimum version, DirectX
// version) tests from the oldest release to the newest, the last test that holds giving the answer.
#include <cstdint>
#include <functional>
#include <optional>

namespace sondes {

// p1.p2.p3.p4 as one 64-bit number: p1 and p2 in the high 32 bits, p3 and p4 in the low 32 bits.
uint64_t FaireVersion(uint16_t p1, uint16_t p2, uint16_t p3, uint16_t p4);
// 1 when x is greater, -1 when smaller, 0 when equal, part by part.
int ComparerVersions(uint64_t x, uint64_t y);

// The version of a file of the system directory by its bare name ("ddraw.dll"); nothing when unreadable.
using LectureVersion = std::function<std::optional<uint64_t>(const char* fichier)>;

// Reads each group's file once, in the table's order, and writes the outputs that are present: the last
// row that held, else 0, 0 and a blank letter. Returns 0.
int EvaluerTableDx(const LectureVersion& lire, uint32_t* majeur, uint32_t* mineur, char* lettre);

}  // namespace sondes
