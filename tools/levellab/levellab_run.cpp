// The lab's runs: the chosen levels read from the data folder, every
// (level, seed) game handed to worker processes, the results gathered.
// The game keeps its board, clock and random numbers in process-wide
// singletons, so parallel games need processes of their own.
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <iomanip>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>

#include "Core/vantile_exception.h"
#include "Game/Items/animationmanager.h"
#include "Game/Level/gamefile.h"
#include "Game/Level/level.h"
#include "Game/Script/gamescript.h"
#include "Resources/vantile_resourcemanager.h"
#include "levellab.h"

namespace {

struct Job {
    size_t nLevel;  // index into the chosen levels
    unsigned nSeed;
    std::string strFile;
};

struct Worker {
    pid_t pid;
    int nFd;
    std::string strPending;
};

std::vector<SLevelFigures> ReadLevels(const SLabOptions& options, std::vector<std::string>& files)
{
    // The lab plays without sound, whatever the machine has.
    setenv("ALSOFT_DRIVERS", "null", 0);
    Vantile::CResourceManager::Instance().Init(options.strDataFolder, false);
    // The folder's own item data, whatever the process read before.
    CAnimationManager::Instance().clear();
    RunStartupScript("init.lua");
    const LevelList list = CGameFile::load();
    const int nLast = options.nLast ? options.nLast : int(list.size());
    if (options.nFirst < 1 || nLast > int(list.size()) || options.nFirst > nLast)
        VANTILE_EXCEPT(0, "the game has levels 1-" + std::to_string(list.size()), "RunLevelLab");
    std::vector<SLevelFigures> levels;
    for (int nLevel = options.nFirst; nLevel <= nLast; ++nLevel) {
        const CLevelInfo& info = list[nLevel - 1];
        CLevel level;
        CLevel::Cells cells;
        level.loadFile(info.m_strFile, cells);
        const std::vector<int>& types = CAnimationManager::Instance().activeItemTypes();
        const std::set<int> kinds(types.begin(), types.end());
        SLevelFigures figures;
        figures.nLevel = nLevel;
        figures.strName = info.m_strName;
        figures.kinds.assign(kinds.begin(), kinds.end());
        figures.nPeriod = level.m_nPeriod;
        figures.nBonusTime = level.m_nBonusTime;
        figures.nPowerups = level.m_nPowerups;
        levels.push_back(figures);
        files.push_back(info.m_strFile);
    }
    return levels;
}

std::string RunLine(size_t nJob, const SLabRun& run)
{
    std::ostringstream line;
    // Nine digits bring a float back exactly.
    line << std::setprecision(9) << nJob << ' ' << run.nSeed << ' ' << run.bWon << ' ' << run.fUsed << ' ' << run.nMoves
         << ' ' << run.nScore << ' ' << run.nDeadBoards << ' ' << run.nShuffles << ' ' << run.nPowerups << ' '
         << run.nSpecials << '\n';
    return line.str();
}

bool ParseRunLine(const std::string& strLine, size_t& nJob, SLabRun& run)
{
    std::istringstream line(strLine);
    return static_cast<bool>(line >> nJob >> run.nSeed >> run.bWon >> run.fUsed >> run.nMoves >> run.nScore >>
                             run.nDeadBoards >> run.nShuffles >> run.nPowerups >> run.nSpecials);
}

// A worker plays every nCount-th job from nFirst and writes a line each;
// a failure is one line starting with "!".
[[noreturn]] void WorkerMain(const std::vector<Job>& jobs, size_t nFirst, size_t nCount, float fThink, int nFd)
{
    int nStatus = 0;
    std::string strOut;
    try {
        for (size_t i = nFirst; i < jobs.size(); i += nCount) {
            strOut = RunLine(i, PlayLabLevel(jobs[i].strFile, jobs[i].nSeed, fThink));
            if (write(nFd, strOut.data(), strOut.size()) != ssize_t(strOut.size()))
                _exit(1);
        }
    } catch (const Vantile::Exception& e) {
        strOut = "!" + e.getDetails() + "\n";
        const ssize_t nWritten = write(nFd, strOut.data(), strOut.size());
        (void)nWritten;
        nStatus = 1;
    }
    close(nFd);
    _exit(nStatus);
}

class CJobRunner {
public:
    CJobRunner(std::vector<SLevelFigures>& levels, const std::vector<Job>& jobs, const LabProgress& progress)
        : m_Levels(levels), m_Jobs(jobs), m_Progress(progress)
    {
    }
    void runHere(float fThink);
    void runInWorkers(int nWorkers, float fThink);

private:
    void record(size_t nJob, const SLabRun& run);
    void readFrom(Worker& worker);
    void finish(std::vector<Worker>& workers);

    std::vector<SLevelFigures>& m_Levels;
    const std::vector<Job>& m_Jobs;
    const LabProgress& m_Progress;
    int m_nDone = 0;
    std::string m_strFault;
};

void CJobRunner::record(size_t nJob, const SLabRun& run)
{
    SLevelFigures& level = m_Levels[m_Jobs[nJob].nLevel];
    level.runs.push_back(run);
    ++m_nDone;
    if (m_Progress)
        m_Progress(m_nDone, int(m_Jobs.size()), level, run);
}

void CJobRunner::runHere(float fThink)
{
    for (size_t i = 0; i < m_Jobs.size(); ++i)
        record(i, PlayLabLevel(m_Jobs[i].strFile, m_Jobs[i].nSeed, fThink));
}

void CJobRunner::runInWorkers(int nWorkers, float fThink)
{
    fflush(nullptr);
    std::vector<Worker> workers;
    for (int i = 0; i < nWorkers; ++i) {
        int fds[2];
        if (pipe(fds) != 0)
            VANTILE_EXCEPT(0, "cannot open a pipe to a worker", "RunLevelLab");
        const pid_t pid = fork();
        if (pid == 0) {
            close(fds[0]);
            for (const Worker& other : workers)
                close(other.nFd);
            WorkerMain(m_Jobs, size_t(i), size_t(nWorkers), fThink, fds[1]);
        }
        close(fds[1]);
        if (pid < 0)
            VANTILE_EXCEPT(0, "cannot start a worker process", "RunLevelLab");
        workers.push_back({pid, fds[0], std::string()});
    }
    finish(workers);
}

void CJobRunner::readFrom(Worker& worker)
{
    char buffer[4096];
    const ssize_t nRead = read(worker.nFd, buffer, sizeof(buffer));
    if (nRead <= 0) {
        close(worker.nFd);
        worker.nFd = -1;
        return;
    }
    worker.strPending.append(buffer, size_t(nRead));
    for (size_t nEnd; (nEnd = worker.strPending.find('\n')) != std::string::npos;) {
        const std::string strLine = worker.strPending.substr(0, nEnd);
        worker.strPending.erase(0, nEnd + 1);
        size_t nJob = 0;
        SLabRun run;
        if (!strLine.empty() && strLine[0] == '!')
            m_strFault = strLine.substr(1);
        else if (ParseRunLine(strLine, nJob, run) && nJob < m_Jobs.size())
            record(nJob, run);
    }
}

void CJobRunner::finish(std::vector<Worker>& workers)
{
    for (;;) {
        std::vector<pollfd> fds;
        for (const Worker& worker : workers)
            if (worker.nFd >= 0)
                fds.push_back({worker.nFd, POLLIN, 0});
        if (fds.empty())
            break;
        poll(fds.data(), fds.size(), -1);
        for (Worker& worker : workers)
            for (const pollfd& fd : fds)
                if (fd.fd == worker.nFd && fd.revents)
                    readFrom(worker);
    }
    bool bFailed = false;
    for (const Worker& worker : workers) {
        int nStatus = 0;
        waitpid(worker.pid, &nStatus, 0);
        bFailed = bFailed || !WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0;
    }
    if (!m_strFault.empty() || bFailed || m_nDone != int(m_Jobs.size()))
        VANTILE_EXCEPT(0, m_strFault.empty() ? "a worker process failed" : m_strFault, "RunLevelLab");
}

}  // namespace

std::vector<SLevelFigures> RunLevelLab(const SLabOptions& options, const LabProgress& progress)
{
    std::vector<std::string> files;
    std::vector<SLevelFigures> levels = ReadLevels(options, files);
    // Seeds first, so the first level's runs come in first.
    std::vector<Job> jobs;
    for (size_t i = 0; i < levels.size(); ++i)
        for (int nSeed = 1; nSeed <= options.nSeeds; ++nSeed)
            jobs.push_back({i, unsigned(nSeed), files[i]});
    CJobRunner runner(levels, jobs, progress);
    const int nWorkers = std::min<int>(options.nWorkers, int(jobs.size()));
    if (nWorkers <= 1)
        runner.runHere(options.fThinkSeconds);
    else
        runner.runInWorkers(nWorkers, options.fThinkSeconds);
    return levels;
}
