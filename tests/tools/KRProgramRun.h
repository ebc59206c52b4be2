// Running a built tool as the programs that drive it do: arguments, standard input, and what it
// leaves on standard output and standard error with its exit status.
#pragma once

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace korvan::test {

namespace fs = std::filesystem;

struct TRun
{
    //! The exit status; -1 when the program did not start or did not exit normally.
    int Status = -1;
    std::string Out;
    std::string Err;
};

inline std::string ReadFile(const fs::path &Path)
{
    std::ifstream File(Path, std::ios::binary);
    return { std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>() };
}

inline void WriteFile(const fs::path &Path, const std::string &Text)
{
    std::ofstream(Path, std::ios::binary) << Text;
}

//! Each test gets a scratch folder for a tool's input, output and the files it is given.
class TScratchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string Pattern = (fs::path(::testing::TempDir()) / "korvan-tool-XXXXXX").string();
        ASSERT_NE(mkdtemp(Pattern.data()), nullptr);
        Scratch = Pattern;
    }

    void TearDown() override { fs::remove_all(Scratch); }

    fs::path File(const std::string &Name, const std::string &Text)
    {
        WriteFile(Scratch / Name, Text);
        return Scratch / Name;
    }

    //! Runs Program with Args, Input on its standard input; files, not pipes, so nothing can block.
    TRun Spawn(
            const std::string &Program, const std::vector<std::string> &Args, const std::string &Input = "")
    {
        const fs::path In = File("stdin", Input);
        const fs::path Out = Scratch / "stdout";
        const fs::path Err = Scratch / "stderr";
        posix_spawn_file_actions_t Actions;
        posix_spawn_file_actions_init(&Actions);
        posix_spawn_file_actions_addopen(&Actions, 0, In.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&Actions, 1, Out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&Actions, 2, Err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::vector<std::string> Argv{ Program };
        Argv.insert(Argv.end(), Args.begin(), Args.end());
        std::vector<char *> Pointers;
        for (std::string &Arg : Argv)
            Pointers.push_back(Arg.data());
        Pointers.push_back(nullptr);
        TRun Result;
        pid_t Child = 0;
        const int Spawned = posix_spawn(&Child, Program.c_str(), &Actions, nullptr, Pointers.data(), environ);
        posix_spawn_file_actions_destroy(&Actions);
        EXPECT_EQ(Spawned, 0) << "cannot start " << Program;
        int WaitStatus = 0;
        if (Spawned == 0 && waitpid(Child, &WaitStatus, 0) == Child && WIFEXITED(WaitStatus))
            Result.Status = WEXITSTATUS(WaitStatus);
        Result.Out = ReadFile(Out);
        Result.Err = ReadFile(Err);
        return Result;
    }

    fs::path Scratch;
};

} // namespace korvan::test
