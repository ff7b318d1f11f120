#include "Game/Sound/soundmanager.h"

#include "Core/vantile_log.h"
#include "Game/Sound/audiodevice.h"
#include "Game/Sound/outputstream.h"

using Vantile::CLog;
using Vantile::FormatString;

CSoundManager::CSoundManager(std::unique_ptr<CAudioDevice> pDevice)
    : m_pDevice(std::move(pDevice)), m_FileReader(ReadDataFile)
{
}

CSoundManager::~CSoundManager()
{
    // The copies' sources belong to the device's context: release them
    // before the device goes.
    m_Tracks.clear();
    m_Sounds.clear();
}

void CSoundManager::registerSound(const std::string& strName, bool bStreamed, int nCopies)
{
    if (!m_pDevice || isRegistered(strName))
        return;
    auto pBytes = std::make_shared<std::string>();
    if (!m_FileReader(strName, *pBytes)) {
        CLog::Instance().Write(Vantile::LOG_ERROR, FormatString("Sound [%s] not found", strName.c_str()));
        return;
    }
    Copies copies;
    for (int i = 0; i < nCopies; ++i) {
        if (std::unique_ptr<COutputStream> pCopy = COutputStream::Create(pBytes, bStreamed))
            copies.push_back(std::move(pCopy));
    }
    if (copies.empty()) {
        CLog::Instance().Write(Vantile::LOG_ERROR, FormatString("Sound [%s] does not play", strName.c_str()));
        return;
    }
    m_Sounds.emplace(strName, std::move(copies));
}

const CSoundManager::Copies* CSoundManager::find(const std::string& strName) const
{
    auto it = m_Sounds.find(strName);
    return it == m_Sounds.end() ? nullptr : &it->second;
}

void CSoundManager::play(const std::string& strName, float fVolume, bool bLoop)
{
    const Copies* pCopies = find(strName);
    if (!pCopies)
        return;
    // The first idle copy; when all are busy the first one only takes the
    // new volume and repeat flag, as playing a busy copy does not restart it.
    COutputStream* pChosen = pCopies->front().get();
    for (const auto& pCopy : *pCopies) {
        if (!pCopy->isPlaying()) {
            pChosen = pCopy.get();
            break;
        }
    }
    pChosen->setRepeat(bLoop);
    pChosen->setVolume(fVolume);
    pChosen->play();
}

void CSoundManager::stop(const std::string& strName)
{
    if (const Copies* pCopies = find(strName)) {
        for (const auto& pCopy : *pCopies)
            pCopy->stop();
    }
}

void CSoundManager::setVolume(const std::string& strName, float fVolume)
{
    if (const Copies* pCopies = find(strName)) {
        for (const auto& pCopy : *pCopies)
            pCopy->setVolume(fVolume);
    }
}

bool CSoundManager::isPlaying(const std::string& strName) const
{
    const Copies* pCopies = find(strName);
    return pCopies && pCopies->front()->isPlaying();
}
