// The seed writers of fuzz_make_corpus, one per group of targets.
#pragma once

#include <string>

// Writes one seed of a target's corpus.
void WriteSeed(const std::string& strTarget, const std::string& strName, const std::string& strBytes);

// make_corpus_text.cpp: the text readers of the game's own files.
void WriteProfilesSeeds();
void WriteLocaleSeeds();
void WriteGameFileSeeds();
void WriteAniPackSeeds();
void WriteLuaSeeds();
void WriteDataFolderSeeds();
void WriteOggSeeds();
// The XML shapes that cost a parser its stack or quadratic time, for every
// XML reader's corpus.
void WriteHostileXmlSeeds(const std::string& strTarget);
