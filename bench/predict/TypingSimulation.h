#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "predict/NextKeys.h"
#include "predict/WordModel.h"

// What typing a text with predictions saved. Letters are those of words;
// characters are all the text's, blanks, signs and line ends included.
struct Savings {
    std::size_t characters = 0;
    std::size_t letters = 0;
    std::size_t savedLetters = 0;
    std::size_t choices = 0;
    std::size_t keysOffered = 0;  // next keys offered over all the refreshes

    Savings& operator+=(const Savings& other);
    // Share of the letters of words the user did not type.
    double LetterShare() const;
    // Share of the keys saved, a choice costing one key and the blank after a
    // word not counted as saved.
    double KeyShare() const;
};

// The next keys a keyboard's group of predictions offers: the keys it chooses from, and how
// many it shows.
struct NextKeyOffer {
    const predict::KeySet& keys;
    std::size_t count;
};

// Types the paragraphs (Windows-1252, one per element, Return after each) as
// the keyboard would, taking each word as soon as it is among the
// predictions; the model learns from what is typed when `learn` is set. With
// `refreshMicros`, the time of each key's refresh (tracking, learning,
// predicting the words and, with `nextKeys`, the next keys) is appended to it.
Savings TypeWithPredictions(predict::WordModel& model, const std::vector<std::string>& paragraphs,
                            bool learn, std::vector<double>* refreshMicros = nullptr,
                            const NextKeyOffer* nextKeys = nullptr);

// Types the paragraphs without predictions, for the model to learn them.
void LearnFrom(predict::WordModel& model, const std::vector<std::string>& paragraphs);
