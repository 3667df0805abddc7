#!/usr/bin/env python3
"""A TCP proxy on the loopback interface that delays every byte by the same time each way, as a
slow link would, keeping their order: the network match's end-to-end test plays through it.

usage: delay_proxy.py PORT_FILE TARGET_PORT DELAY_MS
Writes the port it listens on to PORT_FILE, then serves until told to stop (SIGTERM), when it
prints the bytes it carried each way: what the match costs on the wire, WebSocket frames
included."""
import asyncio
import signal
import sys

carried = {"to host": 0, "to guest": 0}


async def pipe(reader, writer, delay, way):
    queue = asyncio.Queue()

    async def deliver():
        loop = asyncio.get_running_loop()
        while True:
            due, data = await queue.get()
            if data is None:
                break
            await asyncio.sleep(max(0.0, due - loop.time()))
            writer.write(data)
            await writer.drain()
        writer.close()

    sender = asyncio.create_task(deliver())
    loop = asyncio.get_running_loop()
    try:
        while data := await reader.read(65536):
            carried[way] += len(data)
            queue.put_nowait((loop.time() + delay, data))
    except ConnectionError:
        pass
    queue.put_nowait((0, None))
    await sender


async def main():
    port_file, target, delay = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]) / 1000

    async def serve(client_reader, client_writer):
        try:
            server_reader, server_writer = await asyncio.open_connection("127.0.0.1", target)
        except OSError:
            client_writer.close()
            return
        await asyncio.gather(pipe(client_reader, server_writer, delay, "to host"),
                             pipe(server_reader, client_writer, delay, "to guest"),
                             return_exceptions=True)

    server = await asyncio.start_server(serve, "127.0.0.1", 0)
    with open(port_file, "w") as f:
        f.write(str(server.sockets[0].getsockname()[1]))
    stop = asyncio.Event()
    asyncio.get_running_loop().add_signal_handler(signal.SIGTERM, stop.set)
    async with server:
        await stop.wait()
    print("carried: %d bytes to the host, %d to the guest" % (carried["to host"],
                                                              carried["to guest"]), flush=True)


asyncio.run(main())
