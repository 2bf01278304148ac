#pragma once

// Kesu's companion library: conversion of a typed real number.
//
// StrToReal(texte) takes the characters of a text ending in a zero byte (a null
// pointer stands for the empty text) and returns its value:
//  - leading blanks and tabs are skipped, then an optional sign;
//  - digits with a point (or a comma) as decimal separator, then an optional
//    exponent (e or E, optional sign, digits); "5", ".5", "5." all convert;
//  - the longest such number at the start of the text is converted to the
//    nearest double, and whatever follows it is ignored ("0.8 ohm" is 0.8);
//  - a text with no number at its start (empty, letters, a lone sign or point)
//    gives 0;
//  - a number too large for a double gives an infinity of its sign, which the
//    program reports as a floating-point overflow.
// It never gives a not-a-number value.

#if defined(_WIN32)
#if defined(KESU_BUILDING_LIBRARY)
#define KESU_EXPORT __declspec(dllexport)
#else
#define KESU_EXPORT __declspec(dllimport)
#endif
#else
#define KESU_EXPORT __attribute__((visibility("default")))
#endif

extern "C" KESU_EXPORT long double StrToReal(const char *texte);
