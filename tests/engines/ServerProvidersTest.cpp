// The HTTP transport and the Ollama and OpenAI-compatible providers against an in-process
// server: exact request bodies, status texts, error texts and time-outs.
#include "EngineTestSupport.h"

#include "engines/HttpTransport.h"
#include "engines/OllamaProvider.h"
#include "engines/OpenAICompatibleProvider.h"
#include "engines/PlainHttp.h"
#include "engines/Replies.h"
#include "platform/Clock.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {

QJsonObject json(const QByteArray& body) { return QJsonDocument::fromJson(body).object(); }

CompletionRequest sampleRequest(const QString& model = QStringLiteral("m"))
{
    CompletionRequest r;
    r.instructions = QStringLiteral("be brief");
    r.prompt = QStringLiteral("instruct prompt");
    r.rawPrompt = QStringLiteral("[Text]\nHello wor");
    r.maxTokens = 26;
    r.temperature = 0.45;
    r.stop = QStringList{QStringLiteral("\n")};
    r.model = model;
    r.healLast = true;
    r.spaceTyped = false;
    return r;
}

} // namespace

TEST(HttpTransport, JoinsBaseAndPathWithOneSlash)
{
    EXPECT_EQ(Providers::endpoint(QStringLiteral("http://localhost:11434"), QStringLiteral("api/generate"))->toString(),
              QStringLiteral("http://localhost:11434/api/generate"));
    EXPECT_EQ(Providers::endpoint(QStringLiteral("http://localhost:1234/v1"), QStringLiteral("completions"))->path(),
              QStringLiteral("/v1/completions"));
    EXPECT_EQ(Providers::endpoint(QStringLiteral("http://localhost:1234/v1/"), QStringLiteral("completions"))->path(),
              QStringLiteral("/v1/completions"));
    EXPECT_EQ(Providers::endpoint(QStringLiteral(" http://localhost:1234/v1\t"), QStringLiteral("models"))->toString(),
              QStringLiteral("http://localhost:1234/v1/models"));
    EXPECT_FALSE(Providers::endpoint(QStringLiteral("  "), QStringLiteral("models")));
    EXPECT_FALSE(Providers::endpoint(QString(), QStringLiteral("models")));
    EXPECT_FALSE(Providers::endpoint(QStringLiteral("not an address"), QStringLiteral("models")));
}

TEST(HttpTransport, InvalidAddressFailsBeforeSending)
{
    SystemClock clock;
    QNetworkAccessManager network;
    for (auto f : {Providers::get(clock, network, Providers::endpoint(QStringLiteral("  "), QStringLiteral("x")), QString()),
                   Providers::postJSON(clock, network, Providers::endpoint(QStringLiteral("  "), QStringLiteral("x")), {}, QString())}) {
        auto out = await(f);
        ASSERT_TRUE(out && out->isProviderError());
        EXPECT_EQ(out->errorMessage(), QStringLiteral("That address isn't valid"));
    }
}

TEST(HttpTransport, NonSuccessAnswersBecomeReadableErrors)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    server.reply("/empty404", 404, {});
    server.reply("/long500", 500, QByteArray(200, 'x'));
    server.reply("/exact500", 500, QByteArray(160, 'y'));
    server.reply("/nocontent", 204, {});
    server.reply("/ok", 200, "fine");

    auto at = [&](const char* p) { return Providers::endpoint(server.base(), QString::fromLatin1(p)); };
    auto e404 = await(Providers::get(clock, network, at("empty404"), QString()));
    ASSERT_TRUE(e404 && e404->isProviderError());
    EXPECT_EQ(e404->errorMessage(), QStringLiteral("The server answered 404."));

    auto e500 = await(Providers::postJSON(clock, network, at("long500"), QJsonObject{}, QString()));
    ASSERT_TRUE(e500 && e500->isProviderError());
    EXPECT_EQ(e500->errorMessage(), QStringLiteral("The server answered 500: ") + QString(160, u'x') + QStringLiteral("…"));

    auto exact = await(Providers::get(clock, network, at("exact500"), QString()));
    EXPECT_EQ(exact->errorMessage(), QStringLiteral("The server answered 500: ") + QString(160, u'y'));

    auto empty = await(Providers::get(clock, network, at("nocontent"), QString()));
    ASSERT_TRUE(empty && empty->hasValue());
    EXPECT_TRUE(empty->value().isEmpty());
    EXPECT_EQ(await(Providers::get(clock, network, at("ok"), QString()))->value(), QByteArray("fine"));
}

TEST(HttpTransport, BearerOnlyForANonEmptyKey)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    server.reply("/x", 200, "{}");
    const auto url = Providers::endpoint(server.base(), QStringLiteral("x"));
    await(Providers::get(clock, network, url, QString()));
    await(Providers::postJSON(clock, network, url, QJsonObject{}, QStringLiteral("sk-1")));
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_FALSE(server.requests()[0].headers.contains("authorization"));
    EXPECT_EQ(server.requests()[1].headers.value("authorization"), QByteArray("Bearer sk-1"));
    EXPECT_EQ(server.requests()[1].headers.value("content-type"), QByteArray("application/json"));
    EXPECT_EQ(server.requests()[1].method, QByteArray("POST"));
}

TEST(HttpTransport, AHeaderThatBreaksItsLineIsNeverSent)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    server.reply("/x", 200, "{}");
    const auto url = Providers::endpoint(server.base(), QStringLiteral("x"));
    const auto secure = Providers::endpoint(QStringLiteral("https://127.0.0.1:1"), QStringLiteral("x"));
    for (const QString& key : {QStringLiteral("sk\r\nX-Injected: yes"), QStringLiteral("sk-1\n"),
                               QStringLiteral("sk") + QChar(0) + QStringLiteral("x"), QStringLiteral("sk\rx")}) {
        for (const auto& at : {url, secure}) {
            auto got = await(Providers::get(clock, network, at, key));
            auto posted = await(Providers::postJSON(clock, network, at, QJsonObject{}, key));
            ASSERT_TRUE(got && posted);
            EXPECT_FALSE(got->hasValue());
            EXPECT_FALSE(posted->hasValue());
            EXPECT_EQ(posted->errorMessage(), QString::fromLatin1(Providers::kUnsafeHeaderMessage));
        }
    }
    // Whatever its source, the exchange itself refuses such a header.
    std::optional<Providers::PlainAnswer> answer;
    QObject owner;
    Providers::PlainHttp http(owner, {QUrl(server.base() + "/x"), "GET", {{"X-Note", "a\r\nX-Injected: yes"}}, {}, 1000},
                              [&](Providers::PlainAnswer a) { answer = a; });
    spinUntil([&] { return answer.has_value(); }, 5000);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->kind, Providers::PlainAnswer::Kind::failed);
    QTest::qWait(50);
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST(HttpTransport, ModelListsLeaveOutNamesNoModelHas)
{
    const QByteArray huge(200000, 'm');
    // Overlong, control characters, line breaks, bidirectional controls that make one name look
    // like another, and empty names.
    const QByteArray body = R"({"data":[{"id":"good"},{"id":")" + huge + R"("},{"id":"a\nb"},{"id":"x\u0000"},)"
                            R"({"id":"llama\u2028-evil"},{"id":"\u202Eboog"},{"id":"a\u2066b"},{"id":"x\u200Fy"},)"
                            R"({"id":""}]})";
    EXPECT_EQ(Providers::listedNames(Outcome<QByteArray>(body), QStringLiteral("data"), QStringLiteral("id")).value(),
              QStringList{QStringLiteral("good")});
}

// A server that was not reached is told in the program's own sentences, over both transports.
TEST(HttpTransport, AnUnreachedServerIsToldInTheProgramsOwnWords)
{
    SystemClock clock;
    QNetworkAccessManager network;
    // Answers a secure client with plain text.
    QTcpServer plain;
    ASSERT_TRUE(plain.listen(QHostAddress::LocalHost));
    QObject::connect(&plain, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* s = plain.nextPendingConnection())
            s->write("HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\n\r\n");
    });
    const QString port = QString::number(closedPort());
    const QString refused = QStringLiteral("The server refused the connection. Check that it is running and that the address is right.");
    const struct {
        QString base;
        int code;
        QString message;
    } cases[] = {
        {QStringLiteral("http://127.0.0.1:") + port, QNetworkReply::ConnectionRefusedError, refused},
        {QStringLiteral("https://127.0.0.1:") + port, QNetworkReply::ConnectionRefusedError, refused},
        {QStringLiteral("http://tq-none.invalid"), QNetworkReply::HostNotFoundError,
         QStringLiteral("The server's name couldn't be found. Check the address.")},
        {QStringLiteral("https://tq-none.invalid"), QNetworkReply::HostNotFoundError,
         QStringLiteral("The server's name couldn't be found. Check the address.")},
        {QStringLiteral("https://127.0.0.1:%1").arg(plain.serverPort()), QNetworkReply::SslHandshakeFailedError,
         QStringLiteral("A secure connection to the server couldn't be made.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base.toStdString());
        auto out = await(Providers::get(clock, network, Providers::endpoint(c.base, QStringLiteral("x")), QString()));
        ASSERT_TRUE(out && out->isPlatformError());
        EXPECT_EQ(out->platformError()->domain, QStringLiteral("network"));
        EXPECT_EQ(out->platformError()->code, c.code);
        EXPECT_EQ(out->errorMessage(), c.message);
    }
}

TEST(HttpTransport, SlowServersTimeOutOnTheClock)
{
    VirtualClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    server.on("/slow", [](const FakeHttpServer::Request&) { return FakeHttpServer::Response{200, {}, true}; });
    const auto url = Providers::endpoint(server.base(), QStringLiteral("slow"));

    auto get = Providers::get(clock, network, url, QString());
    ASSERT_TRUE(spinUntil([&] { return server.requests().size() == 1; }));
    clock.advance(std::chrono::milliseconds(2999));
    spinUntil([] { return false; }, 50);
    EXPECT_FALSE(get.isFinished());
    clock.advance(std::chrono::milliseconds(1));
    auto out = await(get);
    ASSERT_TRUE(out && out->isPlatformError());
    EXPECT_EQ(out->platformError()->code, int(QNetworkReply::TimeoutError));

    auto post = Providers::postJSON(clock, network, url, QJsonObject{}, QString());
    ASSERT_TRUE(spinUntil([&] { return server.requests().size() == 2; }));
    clock.advance(std::chrono::seconds(3));
    spinUntil([] { return false; }, 50);
    EXPECT_FALSE(post.isFinished());
    clock.advance(std::chrono::seconds(17));
    auto late = await(post);
    ASSERT_TRUE(late && late->isPlatformError());
    EXPECT_EQ(late->platformError()->code, int(QNetworkReply::TimeoutError));
}

TEST(HttpTransport, CancellingEndsWithCancelledNotAnError)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    server.on("/slow", [](const FakeHttpServer::Request&) { return FakeHttpServer::Response{200, {}, true}; });
    auto f = Providers::get(clock, network, Providers::endpoint(server.base(), QStringLiteral("slow")), QString());
    ASSERT_TRUE(spinUntil([&] { return server.requests().size() == 1; }));
    f.cancel();
    auto out = await(f);
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->isCancelled());
    EXPECT_FALSE(out->isError());
}

TEST(HttpTransport, EndingTheSessionCancelsWhatIsInFlightAndClosesItsConnection)
{
    VirtualClock clock;
    for (const QString& scheme : {QStringLiteral("http"), QStringLiteral("https")}) {
        SCOPED_TRACE(scheme.toStdString());
        QTcpServer server; // accepts, never answers
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
        auto network = std::make_unique<QNetworkAccessManager>();
        auto get = Providers::get(clock, *network,
                                  QUrl(QStringLiteral("%1://127.0.0.1:%2/x").arg(scheme).arg(server.serverPort())),
                                  QString());
        QTcpSocket* peer = nullptr;
        ASSERT_TRUE(spinUntil([&] { return (peer = server.nextPendingConnection()) != nullptr; }));
        network.reset();
        auto out = await(get);
        ASSERT_TRUE(out);
        EXPECT_TRUE(out->isCancelled());
        EXPECT_TRUE(spinUntil([&] { return peer->state() == QAbstractSocket::UnconnectedState; }));
    }
}

TEST(OllamaProvider, GenerateBodyIsExact)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    server.reply("/api/generate", 200, R"({"response":" world","done":true})");
    OllamaProvider ollama(clock, network, [&] { return server.base(); });
    EXPECT_EQ(ollama.style(), PromptStyle::raw);
    int partials = 0;
    auto out = await(ollama.complete(sampleRequest(QStringLiteral("llama3")), [&](const QString&) { ++partials; }));
    ASSERT_TRUE(out && out->hasValue());
    EXPECT_EQ(out->value(), QStringLiteral(" world"));
    EXPECT_EQ(partials, 0);

    ASSERT_EQ(server.requests().size(), 1);
    const auto& req = server.requests()[0];
    EXPECT_FALSE(req.headers.contains("authorization"));
    const QJsonObject expected{
        {"model", "llama3"},
        {"prompt", "[Text]\nHello wor"},
        {"raw", true},
        {"stream", false},
        {"keep_alive", "30m"},
        {"options", QJsonObject{{"num_predict", 26}, {"temperature", 0.45}, {"stop", QJsonArray{"\n"}}}},
    };
    EXPECT_EQ(json(req.body), expected);
    EXPECT_TRUE(req.body.contains("\"num_predict\":26,") || req.body.contains("\"num_predict\":26}"));
    EXPECT_TRUE(req.body.contains("\"temperature\":0.45"));
}

TEST(OllamaProvider, CompletionFailures)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    OllamaProvider ollama(clock, network, [&] { return server.base(); });

    auto noModel = await(ollama.complete(sampleRequest(QString())));
    EXPECT_EQ(noModel->errorMessage(), QStringLiteral("Pick an Ollama model in Settings"));
    EXPECT_TRUE(noModel->isProviderError());
    EXPECT_TRUE(server.requests().isEmpty());

    server.reply("/api/generate", 200, R"({"response":""})");
    auto empty = await(ollama.complete(sampleRequest()));
    ASSERT_TRUE(empty->hasValue());
    EXPECT_TRUE(empty->value().isEmpty());

    server.reply("/api/generate", 200, R"({"response": )");
    auto malformed = await(ollama.complete(sampleRequest()));
    ASSERT_TRUE(malformed->isPlatformError());
    EXPECT_EQ(malformed->platformError()->domain, QStringLiteral("json"));

    server.reply("/api/generate", 200, R"({"done":true})");
    EXPECT_TRUE(await(ollama.complete(sampleRequest()))->isPlatformError());

    server.reply("/api/generate", 500, "model not found");
    EXPECT_EQ(await(ollama.complete(sampleRequest()))->errorMessage(),
              QStringLiteral("The server answered 500: model not found"));
}

TEST(OllamaProvider, ModelsAndStatus)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    OllamaProvider ollama(clock, network, [&] { return server.base(); });

    server.reply("/api/tags", 200, R"({"models":[{"name":"llama3:latest","size":1},{"name":"Mistral"}]})");
    EXPECT_EQ(await(ollama.models())->value(), (QStringList{"Mistral", "llama3:latest"}));
    auto two = await(ollama.status())->value();
    EXPECT_EQ(two, ProviderStatus::ready(QStringLiteral("2 models available")));

    server.reply("/api/tags", 200, R"({"models":[{"name":"only"}]})");
    EXPECT_EQ(await(ollama.status())->value(), ProviderStatus::ready(QStringLiteral("1 model available")));

    server.reply("/api/tags", 500, "boom");
    server.reply("/api/version", 200, R"({"version":"0.5"})");
    EXPECT_TRUE(await(ollama.models())->value().isEmpty());
    EXPECT_EQ(await(ollama.status())->value(),
              ProviderStatus::unavailable(QStringLiteral("Ollama is running but has no models")));

    server.reply("/api/tags", 200, R"({"models":[{"id":"no name"}]})");
    EXPECT_TRUE(await(ollama.models())->value().isEmpty());
    server.reply("/api/tags", 200, "not json");
    EXPECT_TRUE(await(ollama.models())->value().isEmpty());
}

TEST(OllamaProvider, NotRunningNamesTheAddressAsSet)
{
    SystemClock clock;
    QNetworkAccessManager network;
    const QString base = QStringLiteral(" http://127.0.0.1:%1 ").arg(closedPort());
    OllamaProvider ollama(clock, network, [&] { return base; });
    EXPECT_EQ(await(ollama.status())->value(), ProviderStatus::unavailable(QStringLiteral("Ollama isn't running at %1.").arg(base.trimmed())));
    EXPECT_TRUE(await(ollama.models())->value().isEmpty());

    OllamaProvider empty(clock, network, [] { return QString(); });
    EXPECT_EQ(await(empty.status())->value(), ProviderStatus::unavailable(QStringLiteral("Ollama isn't running.")));
}

TEST(OllamaProvider, WarmUpBodyAndNothingForAnEmptyModel)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    server.reply("/api/generate", 200, "{}");
    OllamaProvider ollama(clock, network, [&] { return server.base(); });
    await(ollama.warmUp(QString()));
    EXPECT_TRUE(server.requests().isEmpty());
    auto done = await(ollama.warmUp(QStringLiteral("llama3")));
    EXPECT_TRUE(done->hasValue());
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(json(server.requests()[0].body),
              (QJsonObject{{"model", "llama3"}, {"prompt", ""}, {"keep_alive", "30m"}}));

    server.reply("/api/generate", 500, "");
    EXPECT_TRUE(await(ollama.warmUp(QStringLiteral("llama3")))->hasValue()); // errors are ignored
    EXPECT_TRUE(await(ollama.prefill(sampleRequest()))->hasValue());
    EXPECT_TRUE(await(ollama.alternatives(sampleRequest(), 3))->value().isEmpty());
    EXPECT_EQ(server.requests().size(), 2);
}

TEST(OpenAICompatibleProvider, CompletionBodyAndKey)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    server.reply("/v1/completions", 200, R"({"choices":[{"text":" there"},{"text":" other"}]})");
    QString key;
    OpenAICompatibleProvider openAI(clock, network, [&] { return server.base() + QStringLiteral("/v1"); }, [&] { return key; });
    auto out = await(openAI.complete(sampleRequest(QStringLiteral("tiny"))));
    ASSERT_TRUE(out->hasValue());
    EXPECT_EQ(out->value(), QStringLiteral(" there"));
    const auto& req = server.requests().last();
    EXPECT_FALSE(req.headers.contains("authorization"));
    const QJsonObject body = json(req.body);
    EXPECT_EQ(body, (QJsonObject{{"model", "tiny"},
                                 {"prompt", "[Text]\nHello wor"},
                                 {"max_tokens", 26},
                                 {"temperature", 0.45},
                                 {"stop", QJsonArray{"\n"}},
                                 {"stream", false}}));
    EXPECT_TRUE(req.body.contains("\"max_tokens\":26"));

    key = QStringLiteral("secret");
    await(openAI.complete(sampleRequest(QStringLiteral("tiny"))));
    EXPECT_EQ(server.requests().last().headers.value("authorization"), QByteArray("Bearer secret"));
}

TEST(OpenAICompatibleProvider, RepliesAndFailures)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    OpenAICompatibleProvider openAI(clock, network, [&] { return server.base(); }, [] { return QString(); });
    auto noModel = await(openAI.complete(sampleRequest(QString())));
    EXPECT_EQ(noModel->errorMessage(), QStringLiteral("Pick a model for your local server"));
    EXPECT_TRUE(server.requests().isEmpty());

    server.reply("/completions", 200, R"({"choices":[]})");
    EXPECT_EQ(await(openAI.complete(sampleRequest()))->value(), QString());
    server.reply("/completions", 200, R"({"id":"x"})");
    EXPECT_TRUE(await(openAI.complete(sampleRequest()))->isPlatformError());
    server.reply("/completions", 200, R"({"choices":[{"index":0}]})");
    EXPECT_TRUE(await(openAI.complete(sampleRequest()))->isPlatformError());
    server.reply("/completions", 401, R"({"error":"bad key"})");
    EXPECT_EQ(await(openAI.complete(sampleRequest()))->errorMessage(),
              QStringLiteral("The server answered 401: {\"error\":\"bad key\"}"));
}

TEST(OpenAICompatibleProvider, ModelsAndStatus)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    const QString base = server.base() + QStringLiteral("/v1");
    OpenAICompatibleProvider openAI(clock, network, [&] { return base; }, [] { return QString(); });

    server.reply("/v1/models", 200, R"({"data":[{"id":"zeta"},{"id":"Alpha"},{"id":"beta"}]})");
    EXPECT_EQ(await(openAI.models())->value(), (QStringList{"Alpha", "beta", "zeta"}));
    EXPECT_EQ(await(openAI.status())->value(), ProviderStatus::ready(QStringLiteral("3 models available")));

    server.reply("/v1/models", 200, R"({"data":[{"id":"one"}]})");
    EXPECT_EQ(await(openAI.status())->value(), ProviderStatus::ready(QStringLiteral("1 model available")));

    server.reply("/v1/models", 200, R"({"data":[]})");
    EXPECT_EQ(await(openAI.status())->value(), ProviderStatus::unavailable(QStringLiteral("No server answered at %1.").arg(base)));

    OpenAICompatibleProvider refused(clock, network, [] { return QStringLiteral("http://127.0.0.1:%1/v1").arg(closedPort()); },
                                     [] { return QString(); });
    auto st = await(refused.status())->value();
    EXPECT_TRUE(st.isUnavailable());
    EXPECT_TRUE(st.text().startsWith(QStringLiteral("No server answered at http://127.0.0.1:")));
}
