// Everything the game remembers between runs: the players' profiles, the
// stored top scores and the three user settings, kept in "profiles.xml" in
// the per-user folder.
#pragma once

#include <memory>
#include <string>

#include "Business/profilelist.h"
#include "Business/topscoretable.h"
#include "Core/vantile_log.h"

class TiXmlDocument;
class TiXmlElement;

class CProfilesStore {
public:
    static const int kMaxVolume = 50;
    static const int kDefaultVolume = 50;
    static const int kDefaultMusic = 25;

    // strFolder holds "profiles.xml"; strLegacyFolder is the old
    // per-profile folder that removing a profile cleans up.
    CProfilesStore(const std::string& strFolder, const std::string& strLegacyFolder);
    // The per-user folder and the "Profiles" folder beside the executable.
    CProfilesStore();
    ~CProfilesStore();

    static std::string LegacyFolder();

    // Never fails outward: a missing file gives the defaults, a damaged one
    // is moved aside and its backup is tried first.
    void load();
    // What the player is to be told about the last load, one sentence a
    // line: a file was set aside, or nothing is saved this session. "" when
    // the file was read as it stands, or was missing.
    const std::string& notice() const { return m_strNotice; }
    // Returns whether the file was replaced; a failure is logged and the
    // previous file stays as it was. Everything of the file read at load
    // that the game does not understand is written back unchanged. After a
    // load that could not read an existing file nothing is saved, so the
    // players in it and its backup survive.
    bool save();
    void resetSettings();
    // The shared context's effect and music gains from volume and music.
    void pushGains() const;

    CProfileList* profiles() const { return m_pProfiles.get(); }
    CTopScoreTable* topScores() const { return m_pTopScores.get(); }
    std::string filePath() const;

    int getVolume() const { return m_nVolume; }
    int getMusic() const { return m_nMusic; }
    bool getFullscreen() const { return m_bFullscreen; }
    void setVolume(int nVolume) { m_nVolume = nVolume; }
    void setMusic(int nMusic) { m_nMusic = nMusic; }
    void setFullscreen(bool bFullscreen) { m_bFullscreen = bFullscreen; }

private:
    enum class ReadResult { Loaded, Restored, Missing, Unreadable, Damaged };

    // A file set aside after this many reads that never ended.
    static const int kUnfinishedReadsToSetAside = 2;

    ReadResult readDocument(TiXmlDocument& doc);
    int unfinishedReads() const;
    void markRead(int nUnfinished) const;
    bool setAsideAfterCrash();
    ReadResult readFileOrBackup(TiXmlDocument& doc);
    bool setAsideDamaged(const std::string& strPath, const std::string& strReason);
    ReadResult readBackup(TiXmlDocument& doc);
    std::string markPath() const;
    // "" or why the bytes are no store.
    static std::string ParseStore(const std::string& strBytes, TiXmlDocument& doc);
    // Logs the sentence and adds it to the notice.
    void tell(Vantile::LogLevel level, const std::string& strText);
    bool loadSettings(const TiXmlElement* pRoot);
    void writeSettings(TiXmlElement& root) const;
    void applyDefaultSettings();

    std::string m_strFolder;
    std::string m_strLegacyFolder;
    std::unique_ptr<CProfileList> m_pProfiles;
    std::unique_ptr<CTopScoreTable> m_pTopScores;
    std::unique_ptr<TiXmlDocument> m_pRead;
    bool m_bUnread = false;
    std::string m_strNotice;
    int m_nVolume = kDefaultVolume;
    int m_nMusic = kDefaultMusic;
    bool m_bFullscreen = true;
};
