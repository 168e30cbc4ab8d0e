#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "speech/protocol/VoceliaSocketClient.h"
#include "speech/protocol/VoceliaSocketServer.h"

namespace {

using namespace std::chrono_literals;
using speech::VoceliaMessage;

// Short, so that a peer that never answers costs the test little; how long it really takes is
// not the test's concern.
constexpr auto kShortLimit = 100ms;
// What the test's bridge answers to every message.
constexpr long kAnswer = 7;

QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "protocol_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return application;
}

// Runs `setUp` on a thread of its own, with an event loop, until the object goes: a peer the
// test's blocking client can talk to.
class PeerThread {
  public:
    explicit PeerThread(std::function<std::shared_ptr<void>()> setUp) {
        Application();
        QSemaphore started;
        thread_.reset(QThread::create([this, setUp, &started] {
            const std::shared_ptr<void> peer = setUp();
            QEventLoop loop;
            loop_ = &loop;
            started.release();
            loop.exec();
        }));
        thread_->start();
        started.acquire();
    }
    ~PeerThread() {
        QMetaObject::invokeMethod(loop_, &QEventLoop::quit, Qt::QueuedConnection);
        thread_->wait();
    }

  private:
    std::unique_ptr<QThread> thread_;
    QEventLoop* loop_ = nullptr;
};

// The bridge's server at `path`, noting every message it handles.
class TestBridge {
  public:
    explicit TestBridge(const QString& path)
        : thread_([this, path] {
              auto server = std::make_shared<speech::VoceliaSocketServer>(
                  [this](const VoceliaMessage& message) {
                      const std::lock_guard guard(mutex_);
                      handled_.push_back(message.message);
                      return kAnswer;
                  });
              listening_ = server->Listen(path);
              return server;
          }) {}

    bool Listening() const { return listening_; }
    std::vector<unsigned> Handled() {
        const std::lock_guard guard(mutex_);
        return handled_;
    }

  private:
    std::mutex mutex_;
    std::vector<unsigned> handled_;
    bool listening_ = false;
    PeerThread thread_;
};

// A server that takes connections and reads what comes, answering only `reply` (verbatim,
// once per read) when it is not empty.
class ScriptedPeer {
  public:
    ScriptedPeer(const QString& path, QByteArray reply)
        : thread_([path, reply] {
              auto server = std::make_shared<QLocalServer>();
              QObject::connect(server.get(), &QLocalServer::newConnection, server.get(),
                               [raw = server.get(), reply] {
                                   QLocalSocket* peer = raw->nextPendingConnection();
                                   QObject::connect(peer, &QLocalSocket::readyRead, peer,
                                                    [peer, reply] {
                                                        peer->readAll();
                                                        if (!reply.isEmpty()) peer->write(reply);
                                                    });
                               });
              server->listen(path);
              return server;
          }) {}

  private:
    PeerThread thread_;
};

// A socket file with nobody behind it, as a bridge that crashed leaves it.
void LeaveStaleSocket(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(name.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(path));
}

class VoceliaSocketPeers : public ::testing::Test {
  protected:
    void SetUp() override { Application(); }
    QString Path() const { return folder.filePath("vocelia-wayland-0.socket"); }

    QTemporaryDir folder;
};

TEST_F(VoceliaSocketPeers, TheBridgeHandlesEachMessageAndAnswers) {
    TestBridge bridge(Path());
    ASSERT_TRUE(bridge.Listening());
    speech::VoceliaSocketClient keyboard(Path());
    ASSERT_TRUE(keyboard.Connect());
    EXPECT_EQ(keyboard.Send({1025, 0, 0}), kAnswer);
    EXPECT_EQ(keyboard.Send({1024, 0, 0}), kAnswer) << "a second message on one connection";
    ASSERT_TRUE(keyboard.Connect());
    EXPECT_EQ(keyboard.Send({16, 0, 0}), kAnswer) << "a message on a fresh connection";
    EXPECT_EQ(bridge.Handled(), (std::vector<unsigned>{1025, 1024, 16}));
}

TEST_F(VoceliaSocketPeers, NoBridgeIsFoundWhereNoneListens) {
    struct Case {
        const char* rule;
        bool staleFile;
    };
    const Case cases[] = {
        {"no socket file at all", false},
        {"a socket file left by a bridge that has gone", true},
    };
    for (const Case& c : cases) {
        QFile::remove(Path());
        if (c.staleFile) LeaveStaleSocket(Path());
        speech::VoceliaSocketClient keyboard(Path(), kShortLimit);
        EXPECT_FALSE(keyboard.Connect()) << c.rule;
        EXPECT_EQ(keyboard.Send({1024, 0, 0}), std::nullopt) << c.rule << ": nothing to send to";
    }
}

TEST_F(VoceliaSocketPeers, ANewBridgeListensWhereAGoneOneLeftItsSocket) {
    LeaveStaleSocket(Path());
    TestBridge bridge(Path());
    ASSERT_TRUE(bridge.Listening());
    speech::VoceliaSocketClient keyboard(Path());
    ASSERT_TRUE(keyboard.Connect());
    EXPECT_EQ(keyboard.Send({1024, 0, 0}), kAnswer);
}

TEST_F(VoceliaSocketPeers, AnAnswerThatIsNotOneIsNoAnswer) {
    struct Case {
        const char* rule;
        QByteArray reply;  // empty: the peer never answers
    };
    const Case cases[] = {
        {"a peer that never answers", ""},       {"a word", "fet\n"},
        {"a number without its line feed", "0"}, {"a line far too long", QByteArray(200, '1')},
        {"two numbers on the line", "0 0\n"},
    };
    for (const Case& c : cases) {
        QFile::remove(Path());
        ScriptedPeer peer(Path(), c.reply);
        speech::VoceliaSocketClient keyboard(Path(), kShortLimit);
        ASSERT_TRUE(keyboard.Connect()) << c.rule;
        EXPECT_EQ(keyboard.Send({1024, 0, 0}), std::nullopt) << c.rule;
        EXPECT_EQ(keyboard.Send({1024, 0, 0}), std::nullopt)
            << c.rule << ": the connection is given up, so no late answer is taken";
    }
}

// Writes raw bytes to the bridge and reports whether it still answers on that connection.
bool AnswersAfter(const QString& path, const QByteArray& bytes) {
    QLocalSocket raw;
    raw.connectToServer(path);
    if (!raw.waitForConnected(1000)) return false;
    raw.write(bytes + "1024 0 0\n");
    raw.waitForBytesWritten(1000);
    while (!raw.canReadLine()) {
        if (!raw.waitForReadyRead(1000)) return false;
    }
    return raw.readLine() == "7\n";
}

TEST_F(VoceliaSocketPeers, TheBridgeDropsAPeerThatSendsGarbageAndHandlesNothingOfIt) {
    struct Case {
        const char* rule;
        QByteArray bytes;
        bool answered;
    };
    const Case cases[] = {
        {"a message first: both are handled", "1026 0 0\n", true},
        {"words", "llegir ara\n", false},
        {"an empty line", "\n", false},
        {"a missing parameter", "1024 0\n", false},
        {"a line past the longest", QByteArray(100, '1') + "\n", false},
        {"a long run without a line feed", QByteArray(100, '1'), false},
        {"binary bytes", QByteArray("\x00\xff\x01\n", 4), false},
    };
    TestBridge bridge(Path());
    ASSERT_TRUE(bridge.Listening());
    for (const Case& c : cases) EXPECT_EQ(AnswersAfter(Path(), c.bytes), c.answered) << c.rule;
    EXPECT_EQ(bridge.Handled(), (std::vector<unsigned>{1026, 1024}))
        << "only the messages of the well-formed connection";
    speech::VoceliaSocketClient keyboard(Path());
    ASSERT_TRUE(keyboard.Connect());
    EXPECT_EQ(keyboard.Send({1024, 0, 0}), kAnswer) << "a keyboard after the garbage is answered";
}

TEST_F(VoceliaSocketPeers, APeerThatConnectsAndSaysNothingHoldsNobodyUp) {
    TestBridge bridge(Path());
    ASSERT_TRUE(bridge.Listening());
    QLocalSocket silent;
    silent.connectToServer(Path());
    ASSERT_TRUE(silent.waitForConnected(1000));
    speech::VoceliaSocketClient keyboard(Path());
    ASSERT_TRUE(keyboard.Connect());
    EXPECT_EQ(keyboard.Send({1024, 0, 0}), kAnswer);
}

}  // namespace
